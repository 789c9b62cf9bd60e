#include "rom_patch.h"

#include <algorithm>
#include <optional>

#include "fuzz_reader.h"
#include "rom/record_walk.h"
#include "rom/rom_layout.h"
#include "rom/team_table.h"

namespace quarven::fuzz {

namespace {

constexpr std::size_t kMaxPatch = 255;

std::vector<Region> buildRegions() {
  std::vector<Region> regions = {
      {layout::kSignatureOffset, 1},
      {layout::kTeamNamePointerOffset, layout::kTeamNamePlacesSize},
  };
  for (const TeamRow& row : teamTable()) {
    const auto records = std::min<std::uint32_t>(static_cast<std::uint32_t>(row.recordBudget) + 2,
                                                 static_cast<std::uint32_t>(kMaxRecordArea));
    regions.push_back({layout::lineTable(row.firstRecord), layout::kLineTableSize + records});
    regions.push_back({row.abbrevOffset, layout::kAbbrevFieldSize});
    regions.push_back({layout::homePalette(row.index), layout::kPaletteSize});
    regions.push_back({layout::awayPalette(row.index), layout::kPaletteSize});
  }
  return regions;
}

void putWord(std::vector<std::uint8_t>& out, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// The first region holding the offset, as its index.
std::optional<std::size_t> regionOf(std::uint32_t offset) {
  const auto& regions = patchRegions();
  for (std::size_t i = 0; i < regions.size(); ++i)
    if (offset >= regions[i].offset && offset - regions[i].offset < regions[i].size) return i;
  return std::nullopt;
}

}  // namespace

const std::vector<Region>& patchRegions() {
  static const std::vector<Region> regions = buildRegions();
  return regions;
}

FuzzImage decodeImage(std::span<const std::uint8_t> input, const std::vector<std::uint8_t>& base) {
  FuzzReader in(input);
  FuzzImage image;
  const std::uint8_t flags = in.byte().value_or(0);
  image.teamNameChangeOn = flags & kTeamNameChange;
  image.abbrevChangeOn = !(flags & kAbbrevChangeOff);
  image.failingWrite = flags & kFailingWrite;
  image.secondWriter = flags & kSecondWriter;
  image.whileAsked = flags & kWhileAsked;
  image.savesAfterFailure = flags & kSavesAfterFailure;
  if (flags & kRawImage) {
    const auto rest = in.rest();
    image.bytes.assign(rest.begin(), rest.end());
    return image;
  }
  image.bytes = base;
  std::size_t size = base.size();
  if (flags & kTruncate) size = std::min<std::size_t>(size, in.word(3).value_or(size));
  const auto& regions = patchRegions();
  while (!in.empty()) {
    const Region& region = regions[*in.byte() % regions.size()];
    const std::uint32_t offset = region.offset + in.word(2).value_or(0) % region.size;
    const auto patch = in.bytes(in.byte().value_or(0));
    if (offset >= image.bytes.size()) continue;
    const std::size_t count = std::min<std::size_t>(patch.size(), image.bytes.size() - offset);
    std::copy_n(patch.begin(), count, image.bytes.begin() + offset);
  }
  image.bytes.resize(size);
  return image;
}

std::vector<std::uint8_t> encodeImage(const std::vector<std::uint8_t>& base,
                                      const std::vector<std::uint8_t>& image, std::uint8_t flags) {
  std::vector<std::uint8_t> out = {static_cast<std::uint8_t>(flags & ~kRawImage)};
  if (image.size() < base.size()) {
    out[0] |= kTruncate;
    putWord(out, static_cast<std::uint32_t>(image.size()), 3);
  }
  std::size_t at = 0;
  while (at < image.size()) {
    const auto region = image[at] != base[at] ? regionOf(static_cast<std::uint32_t>(at)) : std::nullopt;
    if (!region) {
      ++at;
      continue;
    }
    const Region& r = patchRegions()[*region];
    const std::size_t end = std::min<std::size_t>({image.size(), r.offset + r.size, at + kMaxPatch});
    std::size_t last = at;
    for (std::size_t i = at; i < end; ++i)
      if (image[i] != base[i]) last = i;
    out.push_back(static_cast<std::uint8_t>(*region));
    putWord(out, static_cast<std::uint32_t>(at - r.offset), 2);
    out.push_back(static_cast<std::uint8_t>(last - at + 1));
    out.insert(out.end(), image.begin() + static_cast<std::ptrdiff_t>(at),
               image.begin() + static_cast<std::ptrdiff_t>(last) + 1);
    at = last + 1;
  }
  return out;
}

}  // namespace quarven::fuzz
