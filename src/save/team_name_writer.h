#pragma once
// The team-name block (the 28 names, each ended by 0x00, padded with spaces) and the pointer table
// in front of it, whose word m points at name m.

#include <array>
#include <cstdint>
#include <vector>

#include "rom/rom_image.h"
#include "rom/rom_layout.h"
#include "rom/team_name_block.h"

namespace quarven::save {

inline constexpr std::uint32_t kPointerTableSize = 2 * layout::kTeamCount;

struct TeamNameLayout {
  std::vector<std::uint8_t> block;                            // the names and terminators, not padded
  std::array<std::uint32_t, layout::kTeamCount> nameStart{};  // file offset of each name's first byte
};

// The block of names 0 to 27; entry 28 (what followed the 28th terminator at load) is not written.
TeamNameLayout layoutTeamNames(const TeamNameBytes& names);

// The block fits when names and terminators take at most 261 bytes.
inline bool fitsTeamNameBlock(const TeamNameLayout& names) {
  return names.block.size() <= layout::kTeamNameBlockSize;
}

// The 56 bytes of the pointer table. The low byte of word m is the low byte of its name's offset;
// the high byte follows word 0's: word0High plus the number of 256-byte pages the name starts
// beyond the block's first byte, so a name that starts past 0xE1900 is still pointed at.
std::array<std::uint8_t, kPointerTableSize> teamNamePointers(const TeamNameLayout& names,
                                                             std::uint8_t word0High);

// Writes the block padded to 261 bytes, then the pointer table, whose word 0 high byte is read from
// the image first. Only for a block that fits. False when a read or write fails.
bool writeTeamNameBlock(RomImage& rom, const TeamNameLayout& names);

}  // namespace quarven::save
