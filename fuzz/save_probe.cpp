#include "save_probe.h"

#include <cstdio>
#include <cstdlib>

#include "rom/team_table.h"
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
  messenger.answers = {conditions.answerYes, conditions.answerYes};
  // Copied only when a write may fail: a 1 MiB image per SAVE would slow every run down.
  const std::vector<std::uint8_t> before =
      conditions.failingWrite >= 0 ? rom.bytes() : std::vector<std::uint8_t>();
  const save::SaveResult result = save::runSave(opener, team, input, messenger);
  if (conditions.questions) *conditions.questions += messenger.questions;
  require(messenger.questions <= 1, "SAVE asked more than once");
  if (messenger.questions > 0 && !conditions.answerYes)
    require(result.outcome == save::SaveOutcome::ChangedOnDisk && opener.writes == 0,
            "SAVE answered No went on writing");
  if (result.outcome == save::SaveOutcome::WriteFailed && result.imageRestored &&
      conditions.failingWrite >= 0)
    require(rom.bytes() == before, "a failed SAVE said it put the image back, but did not");
  require(!opener.isOpen, "SAVE left the ROM image open");
  require(opener.opens <= 1 + messenger.questions, "SAVE opened the ROM image again without asking");
  if (refused(result.outcome)) require(opener.opens == 0, "a refused save opened the ROM image");
  if (team.teamIndex < 0 || team.teamIndex >= layout::kTeamCount) {
    require(opener.opens == 0, "SAVE opened the ROM image with no team loaded");
    return result;
  }
  const TeamRow& row = teamByIndex(team.teamIndex);
  for (const auto& [offset, count] : opener.writtenRanges)
    for (std::size_t i = 0; i < count; ++i)
      require(testing::savePlace(row, static_cast<std::uint32_t>(offset + i), input.teamNameChangeOn),
              "SAVE wrote outside the selected team's places");
  return result;
}

}  // namespace quarven::fuzz
