#pragma once
// Splitting the team-name block into `teamname`: the names end at their terminators (0x00, shown
// as "_"); entry 28 gets what follows the 28th terminator.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "rom/rom_layout.h"

namespace quarven {

// The 28 team names, by team index, and as entry 28 what followed the 28th terminator. SAVE
// writes back the first 28.
inline constexpr std::size_t kTeamNameEntries = layout::kTeamCount + 1;
using TeamNames = std::array<std::string, kTeamNameEntries>;
using TeamNameBytes = std::array<std::vector<std::uint8_t>, kTeamNameEntries>;

// Splits the bytes read from the block into names and byte sequences. Entries the split does not
// reach keep what they held. Returns false when a 29th terminator comes before the last byte: the
// split stops there, with the entries set so far (the team load stops too), and `stop`, when
// given, gets the index of that 29th terminator within the block.
bool splitTeamNames(std::span<const std::uint8_t> block, TeamNames& names, TeamNameBytes& bytes,
                    std::size_t* stop = nullptr);

}  // namespace quarven
