#include "save/save_pipeline.h"

#include <algorithm>
#include <memory>
#include <string>

#include "colours/colour_word_table.h"
#include "save/abbreviation_writer.h"
#include "save/line_table_writer.h"
#include "save/palette_writer.h"
#include "save/player_record_writer.h"
#include "save/save_messages.h"
#include "save/save_validation.h"
#include "save/team_name_stage.h"

namespace quarven::save {

namespace {

constexpr const char* kWriteFailed =
    "Writing to the ROM image failed, so the save was stopped part way. Check that the file still "
    "exists and can be written, then save again.";
constexpr const char* kTooShort = "The ROM image is too short to hold this team's data. Nothing was saved.";

// True when every place this save writes lies within the image.
bool holdsPlaces(const RomImage& rom, const SelectedTeam& team, const SavePlan& plan, bool writesTeamNames,
                 bool withinBudget) {
  const std::uint64_t firstRecord = team.firstRecord();
  if (team.playeraddress == 0 || firstRecord < layout::kLineTableSize) return false;
  std::uint64_t end =
      std::max<std::uint64_t>(team.homecoloraddress, team.awaycoloraddress) + layout::kPaletteSize;
  if (writesTeamNames)
    end = std::max<std::uint64_t>(end, layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize);
  if (withinBudget) {
    end = std::max<std::uint64_t>(end, firstRecord + playerRecordBytes(plan.players) + 2);
    end = std::max<std::uint64_t>(end, std::uint64_t{team.abbrevaddress} + plan.abbrevLetters.size());
  }
  return end <= rom.size();
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
  const bool withinBudget = result.playerletters <= team.playerletterlimit;
  const bool writesTeamNames = input.teamNameChangeOn && fitsTeamNameBlock(names);

  std::string reason;
  std::unique_ptr<RomImage> rom = opener.open(FileRom::Mode::ReadWrite, &reason);
  if (!rom) {
    messenger.show("The ROM image could not be opened for writing (" + reason + "). Nothing was saved.");
    result.outcome = SaveOutcome::NotOpened;
    return result;
  }
  const auto fail = [&](SaveOutcome outcome, const char* message) {
    rom.reset();
    messenger.show(message);
    result.outcome = outcome;
    return result;
  };
  if (!holdsPlaces(*rom, team, plan, writesTeamNames, withinBudget))
    return fail(SaveOutcome::ImageTooShort, kTooShort);

  if (!writeUniformPalettes(*rom, team.homecoloraddress, team.awaycoloraddress, plan.slotWords))
    return fail(SaveOutcome::WriteFailed, kWriteFailed);
  if (!fitsTeamNameBlock(names)) {
    result.teamNameBlockRefused = true;
    messenger.show(kTeamNameBlockTooLong);
  } else if (writesTeamNames && !writeTeamNameBlock(*rom, names)) {
    return fail(SaveOutcome::WriteFailed, kWriteFailed);
  }

  if (!withinBudget) {
    messenger.show(overBudgetMessage(result.playerletters - team.playerletterlimit));
    rom.reset();  // closed once the message has been dismissed
    result.outcome = SaveOutcome::OverBudget;
    return result;
  }
  const std::uint32_t firstRecord = team.firstRecord();
  if (!saveteamabbrev(*rom, team.abbrevaddress, plan.abbrevLetters) ||
      !saveplayernames(*rom, firstRecord, plan.players, team.playerextra) ||
      !savelinechanges(*rom, firstRecord, plan.lineSlots))
    return fail(SaveOutcome::WriteFailed, kWriteFailed);
  rom.reset();
  messenger.show(kSaved);
  return result;
}

}  // namespace quarven::save
