#include "save/save_pipeline.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "colours/colour_word_table.h"
#include "save/overwrite_check.h"
#include "save/player_record_writer.h"
#include "save/save_messages.h"
#include "save/save_stages.h"
#include "save/save_validation.h"
#include "save/team_name_stage.h"
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
    "can be written, then save again before you load another team, open another ROM image or quit; a "
    "save that completes finishes this team's data.";
constexpr const char* kTooShort = "The ROM image is too short to hold this team's data. Nothing was saved.";
constexpr const char* kChangedOnDisk =
    "The ROM image has changed on disk since this team was loaded: another program has written to it. "
    "Saving will overwrite those changes. Save anyway?";
constexpr const char* kNoRoom =
    "The room this save needs in the ROM image's file could not be reserved (is the disk full?). "
    "Nothing was saved.";
constexpr const char* kNotRead =
    "The ROM image could not be read to compare it with what this save will write. Nothing was saved.";
constexpr const char* kReplaced =
    "Another program replaced or removed the ROM image while this save was writing to it, so the changes "
    "did not reach the file now at its path. Nothing was saved there; save again.";

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

// One SAVE from the opening of the image to the message that ends it.
class SaveRun {
 public:
  SaveRun(RomOpener& opener, SelectedTeam& team, Messenger& messenger, const Stages& stages)
      : opener_(opener), team_(team), messenger_(messenger), stages_(stages) {}

  SaveResult run(std::int64_t playerletters) {
    result_.playerletters = playerletters;
    if (!openComparedImage()) return result_;
    // Only now that the save will write: reserving room changes the file's time.
    if (!reservePlaces(*file_, stages_.places())) return close(SaveOutcome::NoRoom, kNoRoom);
    return write();
  }

 private:
  // Opens the image and compares it with what the save will write. When another program changed a
  // byte the save would write over, the image is closed and the user asked; on Yes it is opened
  // again from its path and compared again, with the bytes the user let stand accepted, until
  // nothing has changed since the question. False when the save ends here (message shown).
  bool openComparedImage() {
    KnownBytes expected = team_.onDisk;
    for (;;) {
      std::string reason;
      file_ = opener_.open(FileRom::Mode::ReadWrite, &reason);
      if (!file_)
        return stop(SaveOutcome::NotOpened,
                    "The ROM image could not be opened for writing (" + reason + "). Nothing was saved.");
      if (!holdsPlaces(*file_, team_, stages_.places())) return stop(SaveOutcome::ImageTooShort, kTooShort);
      WriteLog planned(*file_, WriteLog::Mode::LayOutOnly);
      seen_ = stages_.all(planned) ? compareWithImage(*file_, expected, planned.writes())
                                   : Comparison{Overwrites::ImageUnreadable, {}};
      if (seen_.found == Overwrites::ImageUnreadable) return stop(SaveOutcome::NotRead, kNotRead);
      if (seen_.found == Overwrites::Nothing) return true;
      file_.reset();
      if (!messenger_.ask(kChangedOnDisk)) return stop(SaveOutcome::ChangedOnDisk, {});
      for (const LoggedWrite& now : seen_.current) expected.allow(now.offset, now.bytes);
    }
  }

  // Every write goes through the journal, so that a failed one can be undone with all before it,
  // and through a log, so that the bytes the editor knows in the image follow what it wrote.
  SaveResult write() {
    WriteJournal journal(*file_, std::move(seen_.current));
    WriteLog rom(journal, WriteLog::Mode::PassOn);
    const Decisions& decided = stages_.decided;
    if (!stages_.palettes(rom)) return failed(journal);
    if (!fitsTeamNameBlock(stages_.names)) {
      result_.teamNameBlockRefused = true;
      messenger_.show(kTeamNameBlockTooLong);
    }
    if (!stages_.teamNames(rom)) return failed(journal);
    if (decided.withinBudget && !stages_.rest(rom)) return failed(journal);
    if (!file_->atItsPath()) {
      journal.restore();  // the file no longer at the path keeps what it held, where that works
      return close(SaveOutcome::Replaced, kReplaced);
    }
    kept(rom.writes());
    if (!decided.withinBudget) {
      messenger_.show(overBudgetMessage(result_.playerletters - team_.playerletterlimit));
      return close(SaveOutcome::OverBudget, {});  // closed once the message has been dismissed
    }
    return close(SaveOutcome::Saved, kSaved);
  }

  // Written for good: the editor knows these bytes, and the places they complete are whole again.
  void kept(const std::vector<LoggedWrite>& writes) {
    for (const LoggedWrite& write : writes) {
      team_.onDisk.update(write.offset, write.bytes);
      team_.unfinished.finish(write.offset, write.bytes.size());
    }
    if (stages_.decided.writesTeamNames) team_.teamNamesWritten = true;
    if (stages_.decided.withinBudget && stages_.decided.writesRoster) team_.rosterWritten = true;
  }

  // What could not be put back may hold the value before this save or the one tried.
  SaveResult failed(WriteJournal& journal) {
    result_.imageRestored = journal.restore();
    for (const WriteJournal::Entry& entry : journal.notPutBack()) {
      team_.unfinished.add(entry.offset, entry.before, entry.tried);
      team_.onDisk.allow(entry.offset, entry.tried);
    }
    return close(SaveOutcome::WriteFailed,
                 result_.imageRestored ? kWriteFailedRestored : kWriteFailedNotRestored);
  }

  SaveResult close(SaveOutcome outcome, const std::string& message) {
    file_.reset();
    if (!message.empty()) messenger_.show(message);
    result_.outcome = outcome;
    return result_;
  }
  bool stop(SaveOutcome outcome, const std::string& message) {
    close(outcome, message);
    return false;
  }

  RomOpener& opener_;
  SelectedTeam& team_;
  Messenger& messenger_;
  const Stages& stages_;
  std::unique_ptr<RomImage> file_;
  Comparison seen_;
  SaveResult result_;
};

}  // namespace

SaveResult runSave(RomOpener& opener, SelectedTeam& team, const SaveInput& window, Messenger& messenger) {
  if (const auto problem = checkTeamNameLength(window.teamNameText)) {
    messenger.show(*problem);
    return {SaveOutcome::TeamNameRefused};
  }
  const HalfWritten half = halfWritten(team);
  const SaveInput input = withHalfWrittenPlaces(window, half);
  const TeamNameLayout names = layoutTeamNames(applyEditedTeamName(team, input.teamNameText));

  PlanResult prepared = prepareSave(team, input, colours::editthecolor(input.sampleColours));
  if (!prepared.plan) {
    messenger.show(prepared.problem);
    return {SaveOutcome::InputRefused};
  }
  const SavePlan& plan = *prepared.plan;
  const std::int64_t playerletters = playerRecordBytes(plan.players);
  const Stages stages{team, plan, names, decide(team, input, plan, names, playerletters, half)};
  return SaveRun(opener, team, messenger, stages).run(playerletters);
}

}  // namespace quarven::save
