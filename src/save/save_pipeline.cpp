#include "save/save_pipeline.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "colours/colour_word_table.h"
#include "save/abbreviation_writer.h"
#include "save/line_table_writer.h"
#include "save/palette_writer.h"
#include "save/player_record_writer.h"
#include "save/save_messages.h"
#include "save/save_validation.h"
#include "save/team_name_stage.h"
#include "save/text_encoding.h"
#include "save/write_journal.h"

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
  if (writesTeamNames)
    places.push_back(
        {layout::kTeamNamePointerOffset,
         layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize - layout::kTeamNamePointerOffset});
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
  // Names are laid out again only for a new name: a block that another tool laid out otherwise
  // (filler, pointer high bytes, names out of place) stays as it is while the name is as loaded.
  const bool teamNameEdited = !showsTeamNameBytes(input.teamNameText, team.teamnameLoaded);
  const bool writesTeamNames =
      input.teamNameChangeOn && fitsTeamNameBlock(names) && (teamNameEdited || team.teamNamesWritten);
  // An unedited roster stays as it is: rewriting it would put what the window cannot show (a length
  // word's high byte, an odd record length, a missing end marker) into the normal form.
  const bool writesRoster = plan.rosterEdited || team.rosterWritten;
  // The record budget limits what the roster writer lays out: a stored roster that is not written
  // again (another tool may have laid it out past the budget) holds no other save back.
  const bool withinBudget = !writesRoster || result.playerletters <= team.playerletterlimit;

  std::string reason;
  std::unique_ptr<RomImage> file = opener.open(FileRom::Mode::ReadWrite, &reason);
  if (!file) {
    messenger.show("The ROM image could not be opened for writing (" + reason + "). Nothing was saved.");
    result.outcome = SaveOutcome::NotOpened;
    return result;
  }
  const auto close = [&](SaveOutcome outcome, const char* message) {
    file.reset();
    messenger.show(message);
    result.outcome = outcome;
    return result;
  };
  const std::vector<Place> places = savePlaces(team, plan, writesTeamNames, withinBudget, writesRoster);
  if (!holdsPlaces(*file, team, places)) return close(SaveOutcome::ImageTooShort, kTooShort);
  if (!reservePlaces(*file, places)) return close(SaveOutcome::NoRoom, kNoRoom);

  // Every write goes through the journal, so that a failed one can be undone with all before it.
  WriteJournal rom(*file);
  const auto failed = [&] {
    result.imageRestored = rom.restore();
    return close(SaveOutcome::WriteFailed,
                 result.imageRestored ? kWriteFailedRestored : kWriteFailedNotRestored);
  };
  if (!writeUniformPalettes(rom, team.homecoloraddress, team.awaycoloraddress, plan.slotWords))
    return failed();
  if (!fitsTeamNameBlock(names)) {
    result.teamNameBlockRefused = true;
    messenger.show(kTeamNameBlockTooLong);
  } else if (writesTeamNames && !writeTeamNameBlock(rom, names)) {
    return failed();
  }
  // Written for good once no later write fails (a failed save puts them back where it can).
  const auto keepWritten = [&](bool roster) {
    if (writesTeamNames) team.teamNamesWritten = true;
    if (roster) team.rosterWritten = true;
  };

  if (!withinBudget) {
    messenger.show(overBudgetMessage(result.playerletters - team.playerletterlimit));
    keepWritten(false);
    file.reset();  // closed once the message has been dismissed
    result.outcome = SaveOutcome::OverBudget;
    return result;
  }
  const std::uint32_t firstRecord = team.firstRecord();
  if (!saveteamabbrev(rom, team.abbrevaddress, plan.abbrevLetters) ||
      (writesRoster && !saveplayernames(rom, firstRecord, plan.players, team.playerextra)) ||
      !savelinechanges(rom, firstRecord, plan.lineSlots))
    return failed();
  keepWritten(writesRoster);
  file.reset();
  messenger.show(kSaved);
  return result;
}

}  // namespace quarven::save
