#include "mishaps.h"

#include "rom/team_table.h"

namespace quarven::fuzz {

namespace {
constexpr int kPlacesPerTeam = 4;  // patchRegions(): after the signature and the team names
constexpr int kTeamNameRegion = 1;
constexpr int kFirstTeamRegion = 2;
constexpr int kMaxSavesBetween = 4;

ByteWrite readWrite(FuzzReader& script, int team) {
  const int place = script.byte().value_or(0) % (kPlacesPerTeam + 1);
  // The regions of a team follow the team table's order, which is not the team index's.
  const auto row = static_cast<int>(&teamByIndex(team) - teamTable().data());
  const int region = place == 0 ? kTeamNameRegion : kFirstTeamRegion + kPlacesPerTeam * row + place - 1;
  const Region& r = patchRegions()[static_cast<std::size_t>(region)];
  const std::uint32_t at = r.offset + script.word(2).value_or(0) % r.size;
  return {at, script.byte().value_or(0)};
}

void readSavesAfterFailure(FuzzReader& script, Mishap& mishap) {
  const int count = script.byte().value_or(0) % kMaxSavesBetween;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t options = script.byte().value_or(0);
    mishap.savesBetween.push_back({(options & 0x01) != 0, (options & 0x02) != 0});
  }
  mishap.outsideKind = static_cast<HalfWrittenValue>(script.byte().value_or(0) % 4);
  mishap.outsideIndex = script.word(2).value_or(0);
  mishap.outsideValue = script.byte().value_or(0);
}
}  // namespace

Mishap readMishap(FuzzReader& script, const FuzzImage& image, int team) {
  Mishap mishap;
  if (image.failingWrite) {
    mishap.failingWrite = script.byte().value_or(0);
    const std::uint8_t mode = script.byte().value_or(0);
    mishap.putBackFails = mode & 0x01;
    mishap.windowAsLoaded = mode & 0x02;
    if (image.savesAfterFailure) readSavesAfterFailure(script, mishap);
  } else if (image.secondWriter) {
    mishap.secondWrite = readWrite(script, team);
    if (image.whileAsked) {
      const std::uint8_t mode = script.byte().value_or(0);
      mishap.renamed = mode & 0x01;
      mishap.secondAnswerYes = mode & 0x02;
      mishap.whileAsked = readWrite(script, team);
    }
  }
  return mishap;
}

}  // namespace quarven::fuzz
