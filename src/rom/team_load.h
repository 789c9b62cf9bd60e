#pragma once
// Team load: reads a team's data from the ROM image and returns everything the window shows for
// it, with the selected-team state the save side works from. Everything is read first; the
// result says whether the window is to take it over.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "rom/rom_image.h"
#include "rom/selected_team.h"

namespace quarven {

enum class TeamLoadOutcome {
  Loaded,
  // Loaded, but the record walk stopped at a record it could not read: the rows before it are
  // shown, `message` says which row, and the state's recordsReadable is false.
  LoadedRecordsUnreadable,
  // A 29th terminator came before the last byte read of the team-name block, or the block holds
  // fewer than 28 names: it is damaged, `message` says so; neither the state nor the window
  // changes, so a later save cannot write back names the split read out of place.
  StoppedByTerminator,
  // The image could not be opened or read, or is too short: `message` says why; nothing changes.
  Failed,
};

struct RosterRowTexts {
  std::string number;  // Text0: hex text of the number byte ("12", "7", "1A")
  std::string name;    // Text1
  std::string r;       // Text2: hex text of carried byte 1
};

struct TeamLoadResult {
  TeamLoadOutcome outcome = TeamLoadOutcome::Failed;
  std::string message;  // for the user, title "QUARVEN EDITOR"; empty when there is nothing to say
  // The selected-team state after the load: the one passed in unless the team loaded (only its
  // `teamname` changed when the split stopped).
  SelectedTeam state;

  std::vector<RosterRowTexts> rows;  // the rows read, from row 0 (playercount of them when readable)
  // Text0(0..24) after the load: the rows read, empty for the team's rows that could not be
  // read, and the texts the window showed before for the rows from playercount on.
  std::array<std::string, layout::kMaxPlayers> numberTexts;
  // lineBoxes[line][box]: Text3 to Text9 by box index (box 0 = RW, or C on a penalty-kill line).
  std::array<std::array<std::string, 5>, layout::kLineCount> lineBoxes;
  std::string abbreviation;  // Text12, the three decoded bytes joined, not cut to the length
  // The uniform colours are the words of `state.colourWords`; the colour model forms their texts.

  bool loaded() const {
    return outcome == TeamLoadOutcome::Loaded || outcome == TeamLoadOutcome::LoadedRecordsUnreadable;
  }
  const std::string& label4() const { return state.fullName; }
  const std::string& text10() const { return state.teamname[static_cast<std::size_t>(state.teamIndex)]; }
  int text12MaxLength() const { return state.abbrevLength; }
};

// `current` is the selected-team state before the load; `shownNumbers` the texts of Text0(0..24)
// before it (the line-slot lookup shows them for rows beyond the team's player count).
TeamLoadResult loadTeam(RomImage& rom, std::string_view teamKey, const SelectedTeam& current,
                        const std::array<std::string, layout::kMaxPlayers>& shownNumbers = {});
// Opens the image for reading, loads, and closes it again on every path.
TeamLoadResult loadTeam(RomOpener& opener, std::string_view teamKey, const SelectedTeam& current,
                        const std::array<std::string, layout::kMaxPlayers>& shownNumbers = {});

}  // namespace quarven
