#include "save/save_pipeline.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "colours/colour_word_table.h"
#include "save/abbreviation_writer.h"
#include "save/line_table_writer.h"
#include "save/overwrite_check.h"
#include "save/palette_writer.h"
#include "save/player_record_writer.h"
#include "save/save_messages.h"
#include "save/save_validation.h"
#include "save/team_name_stage.h"
#include "save/text_encoding.h"
#include "save/write_journal.h"
#include "save/write_log.h"

namespace quarven::save {

namespace {

constexpr const char* kWriteFailedRestored =
    "Writing to the ROM image failed, so the save was stopped. What it had written was put back: the "
    "ROM image is as it was before this save. Check that the file still exists and can be written, "
    "then save again.";
constexpr const char* kWriteFailedNotRestored =
    "Writing to the ROM image failed, so the save was stopped part way, and what it had written could "
    "not be put back: the ROM image may hold part of this save. Check that the file still exists and "
    "can be written, then save again; a save that completes writes all of this team's data.";
constexpr const char* kTooShort = "The ROM image is too short to hold this team's data. Nothing was saved.";
constexpr const char* kChangedOnDisk =
    "The ROM image has changed on disk since this team was loaded: another program has written to it. "
    "Saving will overwrite those changes. Save anyway?";
constexpr const char* kNoRoom =
    "The room this save needs in the ROM image's file could not be reserved (is the disk full?). "
    "Nothing was saved.";

struct Place {
  std::uint64_t offset = 0;
  std::uint64_t count = 0;
};

// The ranges this save writes: both palettes, the pointer table and the team-name block when the
// names are written, and within the budget the abbreviation field and the line table, with the
// player record block behind it when a name or number was edited.
std::vector<Place> savePlaces(const SelectedTeam& team, const SavePlan& plan, bool writesTeamNames,
                              bool withinBudget, bool writesRoster) {
  std::vector<Place> places = {{team.homecoloraddress, layout::kPaletteSize},
                               {team.awaycoloraddress, layout::kPaletteSize}};
  if (writesTeamNames) places.push_back({layout::kTeamNamePointerOffset, layout::kTeamNamePlacesSize});
  if (withinBudget) {
    places.push_back({team.abbrevaddress, plan.abbrevLetters.size()});
    const std::uint64_t records =
        writesRoster ? static_cast<std::uint64_t>(playerRecordBytes(plan.players)) + 2 : 0;
    places.push_back({layout::lineTable(team.firstRecord()), layout::kLineTableSize + records});
  }
  return places;
}

bool holdsPlaces(const RomImage& rom, const SelectedTeam& team, const std::vector<Place>& places) {
  if (team.playeraddress == 0 || team.firstRecord() < layout::kLineTableSize) return false;
  return std::all_of(places.begin(), places.end(),
                     [&](const Place& p) { return p.offset + p.count <= rom.size(); });
}

bool reservePlaces(RomImage& rom, const std::vector<Place>& places) {
  return std::all_of(places.begin(), places.end(), [&](const Place& p) {
    return rom.reserve(static_cast<std::uint32_t>(p.offset), static_cast<std::size_t>(p.count));
  });
}

// What a save writes, decided before the image is opened.
struct Decisions {
  bool writesTeamNames = false;
  bool writesRoster = false;
  bool withinBudget = false;
};

Decisions decide(const SelectedTeam& team, const SaveInput& input, const SavePlan& plan,
                 const TeamNameLayout& names, std::int64_t playerletters) {
  Decisions d;
  // After a save that stopped part way and could not put back what it wrote, every place is written.
  const bool full = team.partialSave;
  // Names are laid out again only for a new name: a block that another tool laid out otherwise
  // (filler, pointer high bytes, names out of place) stays as it is while the name is as loaded.
  const bool teamNameEdited = !showsTeamNameBytes(input.teamNameText, team.teamnameLoaded);
  d.writesTeamNames =
      input.teamNameChangeOn && fitsTeamNameBlock(names) && (teamNameEdited || team.teamNamesWritten || full);
  // An unedited roster stays as it is: rewriting it would put what the window cannot show (a length
  // word's high byte, an odd record length, a missing end marker) into the normal form.
  d.writesRoster = plan.rosterEdited || team.rosterWritten || full;
  // The record budget limits what the roster writer lays out: a stored roster that is not written
  // again (another tool may have laid it out past the budget) holds no other save back.
  d.withinBudget = !d.writesRoster || playerletters <= team.playerletterlimit;
  return d;
}

// The writes of a save in their order, each stage through the image given: laid out first to be
// compared with the image, then made.
struct Stages {
  const SelectedTeam& team;
  const SavePlan& plan;
  const TeamNameLayout& names;
  Decisions decided;

  bool palettes(RomImage& rom) const {
    return writeUniformPalettes(rom, team.homecoloraddress, team.awaycoloraddress, plan.slotWords);
  }
  bool teamNames(RomImage& rom) const { return !decided.writesTeamNames || writeTeamNameBlock(rom, names); }
  // Within the budget: the abbreviation, the player records and the line table.
  bool roster(RomImage& rom) const {
    const std::uint32_t firstRecord = team.firstRecord();
    return saveteamabbrev(rom, team.abbrevaddress, plan.abbrevLetters) &&
           (!decided.writesRoster || saveplayernames(rom, firstRecord, plan.players, team.playerextra)) &&
           savelinechanges(rom, firstRecord, plan.lineSlots);
  }
  bool all(RomImage& rom) const {
    return palettes(rom) && teamNames(rom) && (!decided.withinBudget || roster(rom));
  }
};

}  // namespace

SaveResult runSave(RomOpener& opener, SelectedTeam& team, const SaveInput& input, Messenger& messenger) {
  SaveResult result;
  if (const auto problem = checkTeamNameLength(input.teamNameText)) {
    messenger.show(*problem);
    result.outcome = SaveOutcome::TeamNameRefused;
    return result;
  }
  const TeamNameLayout names = layoutTeamNames(applyEditedTeamName(team, input.teamNameText));

  PlanResult prepared = prepareSave(team, input, colours::editthecolor(input.sampleColours));
  if (!prepared.plan) {
    messenger.show(prepared.problem);
    result.outcome = SaveOutcome::InputRefused;
    return result;
  }
  const SavePlan& plan = *prepared.plan;
  result.playerletters = playerRecordBytes(plan.players);
  const Decisions decided = decide(team, input, plan, names, result.playerletters);
  const Stages stages{team, plan, names, decided};

  std::string reason;
  std::unique_ptr<RomImage> file = opener.open(FileRom::Mode::ReadWrite, &reason);
  if (!file) {
    messenger.show("The ROM image could not be opened for writing (" + reason + "). Nothing was saved.");
    result.outcome = SaveOutcome::NotOpened;
    return result;
  }
  const auto close = [&](SaveOutcome outcome, const char* message) {
    file.reset();
    if (message) messenger.show(message);
    result.outcome = outcome;
    return result;
  };
  const std::vector<Place> places =
      savePlaces(team, plan, decided.writesTeamNames, decided.withinBudget, decided.writesRoster);
  if (!holdsPlaces(*file, team, places)) return close(SaveOutcome::ImageTooShort, kTooShort);
  if (!reservePlaces(*file, places)) return close(SaveOutcome::NoRoom, kNoRoom);

  // Every write goes through the journal, so that a failed one can be undone with all before it,
  // and through a log, so that the bytes the editor knows in the image follow what it wrote.
  WriteJournal journal(*file);
  WriteLog rom(journal, WriteLog::Mode::PassOn);
  const auto failed = [&] {
    result.imageRestored = journal.restore();
    if (!result.imageRestored) {
      team.partialSave = true;
      for (const LoggedWrite& write : rom.writes()) team.onDisk.forget(write.offset, write.bytes.size());
    }
    return close(SaveOutcome::WriteFailed,
                 result.imageRestored ? kWriteFailedRestored : kWriteFailedNotRestored);
  };
  // Written for good once no later write fails.
  const auto kept = [&](bool complete) {
    for (const LoggedWrite& write : rom.writes()) team.onDisk.update(write.offset, write.bytes);
    if (decided.writesTeamNames) team.teamNamesWritten = true;
    if (!complete) return;
    if (decided.writesRoster) team.rosterWritten = true;
    team.partialSave = false;
  };

  // Laid out first: what another program changed since the load is not overwritten unasked.
  WriteLog planned(*file, WriteLog::Mode::LayOutOnly);
  if (!stages.all(planned)) return failed();
  switch (findOverwrites(*file, team.onDisk, planned.writes())) {
    case Overwrites::ImageUnreadable:
      return failed();
    case Overwrites::ChangedOnDisk:
      if (!messenger.ask(kChangedOnDisk)) return close(SaveOutcome::ChangedOnDisk, nullptr);
      break;
    case Overwrites::Nothing:
      break;
  }

  if (!stages.palettes(rom)) return failed();
  if (!fitsTeamNameBlock(names)) {
    result.teamNameBlockRefused = true;
    messenger.show(kTeamNameBlockTooLong);
  }
  if (!stages.teamNames(rom)) return failed();
  if (!decided.withinBudget) {
    messenger.show(overBudgetMessage(result.playerletters - team.playerletterlimit));
    kept(false);
    return close(SaveOutcome::OverBudget, nullptr);  // closed once the message has been dismissed
  }
  if (!stages.roster(rom)) return failed();
  kept(true);
  return close(SaveOutcome::Saved, kSaved);
}

}  // namespace quarven::save
