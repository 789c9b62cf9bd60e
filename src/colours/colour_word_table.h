#pragma once
// The colour word table: the palette word that SAVE writes for the display colour a uniform part shows.

#include <array>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "rom/colour_slots.h"

namespace quarven::colours {

using ColourWordTable = std::unordered_map<std::uint32_t, std::uint16_t>;

// All rows, built on first use.
const ColourWordTable& colourWordTable();

// The word for a display colour; nothing for a colour without a row (the swatch colour 0x008000).
// Several colours share the word 0x3826 (word text "2638").
std::optional<std::uint16_t> colourWordOf(std::uint32_t displayColour);

// The words of the 20 colour slots (0-9 home, 10-19 away); a slot whose colour has no row gets no word.
ColourSlots<std::optional<std::uint16_t>> editthecolor(const ColourSlots<std::uint32_t>& displayColours);

}  // namespace quarven::colours
