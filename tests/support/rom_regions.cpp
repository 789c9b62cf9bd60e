#include "rom_regions.h"

#include <algorithm>

#include "rom/rom_layout.h"
#include "rom/team_table.h"

namespace quarven::testing {

namespace {

struct Span {
  std::uint32_t begin;
  std::uint32_t end;  // one past the last byte
  RegionInfo info;
};

std::vector<Span> buildSpans() {
  using namespace layout;
  std::vector<Span> spans = {
      {kSignatureOffset, kSignatureOffset + 1, {RomRegion::Signature, -1}},
      {kTeamNamePointerOffset, kTeamNamePointerOffset + 2 * kTeamCount, {RomRegion::PointerTable, -1}},
      {kTeamNameBlockOffset, kTeamNameBlockOffset + kTeamNameBlockSize, {RomRegion::TeamNameBlock, -1}},
  };
  for (int t = 0; t < kTeamCount; ++t) {
    spans.push_back({awayPalette(t), awayPalette(t) + kPaletteSize, {RomRegion::AwayPalette, t}});
    spans.push_back({homePalette(t), homePalette(t) + kPaletteSize, {RomRegion::HomePalette, t}});
    const TeamRow& row = teamByIndex(t);
    const std::uint32_t f = row.firstRecord;
    spans.push_back({lineTable(f), f, {RomRegion::LineTable, t}});
    spans.push_back({f, f + static_cast<std::uint32_t>(row.recordBudget) + 2, {RomRegion::RecordArea, t}});
    spans.push_back({row.abbrevOffset, row.abbrevOffset + kAbbrevFieldSize, {RomRegion::Abbreviation, t}});
  }
  return spans;
}

const std::vector<Span>& spans() {
  static const std::vector<Span> all = buildSpans();
  return all;
}

}  // namespace

RegionInfo regionAt(std::uint32_t offset) {
  for (const Span& s : spans())
    if (offset >= s.begin && offset < s.end) return s.info;
  return {};
}

bool isNamedOffset(std::uint32_t offset) {
  return regionAt(offset).kind != RomRegion::Filler;
}

std::vector<bool> namedMask(std::size_t size) {
  std::vector<bool> mask(size, false);
  for (const Span& s : spans())
    for (std::uint32_t o = s.begin; o < s.end && o < size; ++o) mask[o] = true;
  return mask;
}

std::vector<std::uint32_t> differingOffsets(const std::vector<std::uint8_t>& a,
                                            const std::vector<std::uint8_t>& b) {
  std::vector<std::uint32_t> out;
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i)
    if (a[i] != b[i]) out.push_back(static_cast<std::uint32_t>(i));
  for (std::size_t i = common; i < std::max(a.size(), b.size()); ++i)
    out.push_back(static_cast<std::uint32_t>(i));
  return out;
}

std::vector<std::uint32_t> strayWrites(const std::vector<std::uint8_t>& before,
                                       const std::vector<std::uint8_t>& after) {
  std::vector<std::uint32_t> out = differingOffsets(before, after);
  std::erase_if(out, [](std::uint32_t o) { return isNamedOffset(o); });
  return out;
}

}  // namespace quarven::testing
