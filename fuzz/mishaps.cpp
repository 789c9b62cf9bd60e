#include "mishaps.h"

#include "rom/team_table.h"

namespace quarven::fuzz {

namespace {
constexpr int kPlacesPerTeam = 4;  // patchRegions(): after the signature and the team names
constexpr int kTeamNameRegion = 1;
constexpr int kFirstTeamRegion = 2;
}  // namespace

Mishap readMishap(FuzzReader& script, const FuzzImage& image, int team) {
  Mishap mishap;
  if (image.failingWrite) {
    mishap.failingWrite = script.byte().value_or(0);
    const std::uint8_t mode = script.byte().value_or(0);
    mishap.putBackFails = mode & 0x01;
    mishap.windowAsLoaded = mode & 0x02;
  } else if (image.secondWriter) {
    const int place = script.byte().value_or(0) % (kPlacesPerTeam + 1);
    // The regions of a team follow the team table's order, which is not the team index's.
    const auto row = static_cast<int>(&teamByIndex(team) - teamTable().data());
    const int region = place == 0 ? kTeamNameRegion : kFirstTeamRegion + kPlacesPerTeam * row + place - 1;
    const Region& r = patchRegions()[static_cast<std::size_t>(region)];
    mishap.secondWriteAt = r.offset + script.word(2).value_or(0) % r.size;
    mishap.secondWriteValue = script.byte().value_or(0);
  }
  return mishap;
}

}  // namespace quarven::fuzz
