#pragma once
// The colour stage of SAVE: the 20 colour words into the selected team's home and away palettes.

#include <array>
#include <cstdint>

#include "rom/colour_slots.h"
#include "rom/rom_image.h"

namespace quarven::save {

// Writes slots 0..9 into the home palette, then 10..19 into the away palette, each word little-endian
// at its palette word; the other palette words are not touched. False when a write fails.
bool writeUniformPalettes(RomImage& rom, std::uint32_t homePalette, std::uint32_t awayPalette,
                          const ColourSlots<std::uint16_t>& slotWords);

}  // namespace quarven::save
