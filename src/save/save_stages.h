#pragma once
// What a save writes and in which order: decided from the window's contents and what the selected
// team's state knows of the image before the image is opened, then run through any image (a log
// that only lays the writes out, or the journal that makes them).

#include <cstdint>
#include <vector>

#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "save/save_input.h"
#include "save/save_plan.h"
#include "save/team_name_writer.h"
#include "save/write_log.h"

namespace quarven::save {

// The places a SAVE that failed part way left half written, which every later SAVE writes in full.
struct HalfWritten {
  bool teamNames = false;  // the pointer table and the team-name block
  bool abbreviation = false;
  bool records = false;  // the player record block
};
HalfWritten halfWritten(const SelectedTeam& team);

// The window's contents as a save takes them: a half-written team-name block or abbreviation is
// written from the boxes whatever their option.
SaveInput withHalfWrittenPlaces(SaveInput input, const HalfWritten& half);

struct Decisions {
  bool writesTeamNames = false;
  bool writesRoster = false;
  bool withinBudget = false;
};

Decisions decide(const SelectedTeam& team, const SaveInput& input, const SavePlan& plan,
                 const TeamNameLayout& names, std::int64_t playerletters, const HalfWritten& half);

// A range of the image: offset and byte count.
struct Place {
  std::uint64_t offset = 0;
  std::uint64_t count = 0;
};

struct Stages {
  const SelectedTeam& team;
  const SavePlan& plan;
  const TeamNameLayout& names;
  Decisions decided;

  bool palettes(RomImage& rom) const;
  bool teamNames(RomImage& rom) const;
  // Within the budget: the abbreviation, the player records and the line table.
  bool roster(RomImage& rom) const;

  // Within the budget, after the palettes and team names: the roster stage, then the bytes that
  // failed saves left unfinished and that this save did not write, which get back what they held
  // before those saves.
  bool rest(WriteLog& rom) const;
  // Every stage in its order.
  bool all(WriteLog& rom) const {
    return palettes(rom) && teamNames(rom) && (!decided.withinBudget || rest(rom));
  }

  // The ranges `all` may write.
  std::vector<Place> places() const;
};

}  // namespace quarven::save
