#pragma once
// The forms a uniform colour takes: the 16-bit colour word of the palette (red in bits 0-4, green in
// bits 5-9, blue in bits 10-14), its colour text, and the 24-bit display colour 0x00BBGGRR that the
// figure boxes and swatches show.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "rom/rom_layout.h"

namespace quarven::colours {

// The x8 rule: each 5-bit component times 8 (0x7080 -> 0xE02000, 0x7FFF -> 0xF8F8F8). Bit 15 is ignored.
std::uint32_t x8Colour(std::uint16_t word);

// Hex text of the low byte, then of the high byte, without leading zeros: 0x7080 -> "8070",
// 0x2800 -> "028", 0x0000 -> "00". The key of the colour key table.
std::string colourText(std::uint16_t word);
// The colour texts of one uniform's colour slots, from the words a team load read.
std::array<std::string, layout::kColourSlots> colourTexts(
    std::span<const std::uint16_t, layout::kColourSlots> words);

}  // namespace quarven::colours
