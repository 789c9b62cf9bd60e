#include "save/team_name_writer.h"

namespace quarven::save {

namespace {
constexpr std::uint8_t kTerminator = 0x00;
constexpr std::uint8_t kFiller = 0x20;
constexpr std::uint32_t kWord0HighByte = layout::kTeamNamePointerOffset + 1;
}  // namespace

TeamNameLayout layoutTeamNames(const TeamNameBytes& names) {
  TeamNameLayout out;
  for (int m = 0; m < layout::kTeamCount; ++m) {
    out.nameStart[m] = layout::kTeamNameBlockOffset + static_cast<std::uint32_t>(out.block.size());
    out.block.insert(out.block.end(), names[m].begin(), names[m].end());
    out.block.push_back(kTerminator);
  }
  return out;
}

std::array<std::uint8_t, kPointerTableSize> teamNamePointers(const TeamNameLayout& names,
                                                             std::uint8_t word0High) {
  std::array<std::uint8_t, kPointerTableSize> table{};
  constexpr std::uint32_t kFirstPage = layout::kTeamNameBlockOffset >> 8;
  for (int m = 0; m < layout::kTeamCount; ++m) {
    const std::uint32_t start = names.nameStart[m];
    table[2 * m] = static_cast<std::uint8_t>(start & 0xFF);
    table[2 * m + 1] = static_cast<std::uint8_t>(word0High + (start >> 8) - kFirstPage);
  }
  return table;
}

bool writeTeamNameBlock(RomImage& rom, const TeamNameLayout& names) {
  if (!fitsTeamNameBlock(names)) return false;
  std::vector<std::uint8_t> block = names.block;
  block.resize(layout::kTeamNameBlockSize, kFiller);
  std::uint8_t word0High = 0;
  if (!rom.readByte(kWord0HighByte, word0High)) return false;
  return rom.write(layout::kTeamNameBlockOffset, block) &&
         rom.write(layout::kTeamNamePointerOffset, teamNamePointers(names, word0High));
}

}  // namespace quarven::save
