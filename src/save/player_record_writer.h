#pragma once
// `saveplayernames`: the selected team's player record block, rebuilt from the roster, and its end
// marker.

#include <array>
#include <cstdint>
#include <vector>

#include "rom/rom_image.h"
#include "rom/rom_layout.h"
#include "save/save_plan.h"

namespace quarven::save {

// playerextra[j][row]: carried byte j + 1 of roster row `row`, written back as team load read it.
using CarriedBytes = std::array<std::array<std::uint8_t, layout::kMaxPlayers>, layout::kCarriedBytes>;

// One record per player (length word N + 2, letters, number byte, carried bytes 1..7) without
// gaps, then 02 00. Bytes behind the end marker are not part of the block.
std::vector<std::uint8_t> playerRecordBlock(const std::vector<PlayerEntry>& players,
                                            const CarriedBytes& playerextra);

// Bytes the records take without the end marker: name length + 10 per player.
std::int64_t playerRecordBytes(const std::vector<PlayerEntry>& players);

// Writes the block from the first record's file offset F on. False when the write fails.
bool saveplayernames(RomImage& rom, std::uint32_t firstRecord, const std::vector<PlayerEntry>& players,
                     const CarriedBytes& playerextra);

}  // namespace quarven::save
