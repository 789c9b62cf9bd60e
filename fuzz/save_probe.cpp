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

save::SaveResult checkedSave(MemoryRom& rom, SelectedTeam& team, const save::SaveInput& input) {
  testing::MemoryOpener opener(rom);
  testing::RecordingMessenger messenger;
  const save::SaveResult result = save::runSave(opener, team, input, messenger);
  require(!opener.isOpen, "SAVE left the ROM image open");
  require(opener.opens <= 1, "SAVE opened the ROM image more than once");
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
