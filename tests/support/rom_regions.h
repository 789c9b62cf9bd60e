#pragma once
// Which bytes of a ROM image belong to a structure that the editor names (signature, palettes,
// pointer table, team-name block, and per team its line table, record area and abbreviation
// field). Everything else is filler the editor must never touch, so a byte diff of two images
// that differs outside these regions is a stray write.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace quarven::testing {

enum class RomRegion {
  Filler,
  Signature,
  AwayPalette,
  HomePalette,
  PointerTable,
  TeamNameBlock,
  LineTable,
  RecordArea,  // F to F + record budget + 2: the records and their end marker at the largest
  Abbreviation,
};

struct RegionInfo {
  RomRegion kind = RomRegion::Filler;
  int team = -1;  // team index for per-team regions, -1 otherwise
};

RegionInfo regionAt(std::uint32_t offset);
bool isNamedOffset(std::uint32_t offset);
// One flag per byte of an image of `size` bytes: true where a named structure lies.
std::vector<bool> namedMask(std::size_t size);

// Offsets at which two images differ (the shorter one's missing tail counts as different).
std::vector<std::uint32_t> differingOffsets(const std::vector<std::uint8_t>& a,
                                            const std::vector<std::uint8_t>& b);
// The differing offsets that lie in filler: what no operation of the editor may change.
std::vector<std::uint32_t> strayWrites(const std::vector<std::uint8_t>& before,
                                       const std::vector<std::uint8_t>& after);

}  // namespace quarven::testing
