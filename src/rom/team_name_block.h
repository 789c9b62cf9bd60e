#pragma once
// Splitting the team-name block into `teamname`: the names end at their terminators (0x00, shown
// as "_"); entry 28 gets what follows the 28th terminator.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quarven {

using TeamNames = std::array<std::string, 29>;
using TeamNameBytes = std::array<std::vector<std::uint8_t>, 29>;

// Splits the bytes read from the block into names and byte sequences. Entries the split does not
// reach keep what they held. Returns false when a 29th terminator comes before the last byte: the
// split stops there, with the entries set so far (the team load stops too), and `stop`, when
// given, gets the index of that 29th terminator within the block.
bool splitTeamNames(std::span<const std::uint8_t> block, TeamNames& names, TeamNameBytes& bytes,
                    std::size_t* stop = nullptr);

}  // namespace quarven
