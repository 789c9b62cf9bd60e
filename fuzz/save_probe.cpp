#include "save_probe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "rom/team_table.h"
#include "save/save_messages.h"
#include "save/save_stages.h"
#include "save_fixture.h"

namespace quarven::fuzz {

namespace {

bool refused(save::SaveOutcome outcome) {
  return outcome == save::SaveOutcome::TeamNameRefused || outcome == save::SaveOutcome::InputRefused;
}

}  // namespace

void brokenPromise(const std::string& what) {
  std::fprintf(stderr, "broken promise: %s\n", what.c_str());
  std::abort();
}

TeamLoadResult checkedLoad(MemoryRom& rom, std::string_view teamKey, const SelectedTeam& current,
                           const std::array<std::string, layout::kMaxPlayers>& shownNumbers) {
  testing::MemoryOpener opener(rom);
  TeamLoadResult load = loadTeam(opener, teamKey, current, shownNumbers);
  require(!opener.isOpen, "team load left the ROM image open");
  require(opener.writtenRanges.empty(), "team load wrote to the ROM image");
  require(load.loaded() || load.outcome == TeamLoadOutcome::StoppedByTerminator || load.state == current,
          "a failed team load changed the selected-team state");
  return load;
}

save::SaveResult checkedSave(MemoryRom& rom, SelectedTeam& team, const save::SaveInput& input,
                             const SaveConditions& conditions) {
  testing::MemoryOpener opener(rom);
  opener.failingWrite = conditions.failingWrite;
  opener.laterWritesFail = conditions.laterWritesFail;
  testing::RecordingMessenger messenger;
  const std::vector<bool> answers =
      conditions.answers.empty() ? std::vector<bool>{conditions.answerYes} : conditions.answers;
  messenger.answers.assign(answers.begin(), answers.end());
  int yes = 0;
  bool lastAnswerYes = true;
  bool changedDuringLast = false;
  messenger.onAsk = [&] {
    require(!opener.isOpen, "SAVE asked with the ROM image open");
    require(messenger.questions == 1 || changedDuringLast,
            "SAVE asked again, though nothing changed while the last question was on screen");
    const std::size_t k = static_cast<std::size_t>(messenger.questions - 1);
    lastAnswerYes = k < answers.size() && answers[k];
    yes += lastAnswerYes;
    changedDuringLast = false;
    if (!conditions.duringQuestion) return;
    const std::vector<std::uint8_t> asked = rom.bytes();
    conditions.duringQuestion(rom);
    changedDuringLast = rom.bytes() != asked;
  };
  // Copied only when a write may fail: a 1 MiB image per SAVE would slow every run down.
  const std::vector<std::uint8_t> before =
      conditions.failingWrite >= 0 ? rom.bytes() : std::vector<std::uint8_t>();
  // A half-written team-name block is written whatever the option.
  const bool namesMayChange = input.teamNameChangeOn || save::halfWritten(team).teamNames;
  const save::SaveResult result = save::runSave(opener, team, input, messenger);
  if (conditions.questions) *conditions.questions += messenger.questions;
  if (conditions.written) *conditions.written = opener.writtenRanges;
  if (messenger.questions > 0 && !lastAnswerYes)
    require(result.outcome == save::SaveOutcome::ChangedOnDisk && opener.writes == 0,
            "SAVE answered No went on writing");
  if (result.outcome == save::SaveOutcome::WriteFailed && result.imageRestored &&
      conditions.failingWrite >= 0)
    require(rom.bytes() == before, "a failed SAVE said it put the image back, but did not");
  require(!opener.isOpen, "SAVE left the ROM image open");
  require(opener.opens <= 1 + messenger.questions, "SAVE opened the ROM image again without asking");
  const bool saidSaved =
      std::find(messenger.texts.begin(), messenger.texts.end(), save::kSaved) != messenger.texts.end();
  require(saidSaved == (result.outcome == save::SaveOutcome::Saved),
          "SAVE said the changes were saved, though they were not, or saved them silently");
  require(!saidSaved || team.unfinished.empty(),
          "SAVE said the changes were saved with a place half written");
  if (refused(result.outcome)) require(opener.opens == 0, "a refused save opened the ROM image");
  if (team.teamIndex < 0 || team.teamIndex >= layout::kTeamCount) {
    require(opener.opens == 0, "SAVE opened the ROM image with no team loaded");
    return result;
  }
  // Memory never fails to open: every Yes opens the image again, to compare it once more.
  if (!refused(result.outcome))
    require(opener.opens == 1 + yes, "SAVE did not open the ROM image again after Yes");
  const TeamRow& row = teamByIndex(team.teamIndex);
  for (const auto& [offset, count] : opener.writtenRanges)
    for (std::size_t i = 0; i < count; ++i)
      require(testing::savePlace(row, static_cast<std::uint32_t>(offset + i), namesMayChange),
              "SAVE wrote outside the selected team's places");
  return result;
}

ReferenceSave referenceSave(const std::vector<std::uint8_t>& image, SelectedTeam team,
                            const save::SaveInput& input) {
  MemoryRom copy(image);
  ReferenceSave reference;
  checkedSave(copy, team, input, {.written = &reference.written});
  reference.after = std::move(copy.bytes());
  return reference;
}

std::map<std::uint32_t, std::uint8_t> writtenValues(const WrittenRanges& written,
                                                    const std::vector<std::uint8_t>& image) {
  std::map<std::uint32_t, std::uint8_t> values;
  for (const auto& [offset, count] : written)
    for (std::size_t i = 0; i < count; ++i) {
      const auto at = static_cast<std::uint32_t>(offset + i);
      values[at] = image[at];
    }
  return values;
}

}  // namespace quarven::fuzz
