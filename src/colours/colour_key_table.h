#pragma once
// The colour key table: the display colour that a loaded palette word shows, looked up by its colour
// text. A text without a row shows no colour of its own.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace quarven::colours {

using ColourKeyTable = std::map<std::string, std::uint32_t, std::less<>>;

// All rows, built on first use.
const ColourKeyTable& colourKeyTable();

// Exact match on the whole text: "8070" -> 0xE02000; "08070" or "d70" match nothing.
std::optional<std::uint32_t> displayColourOfKey(std::string_view colourText);

// The lookup half of fillhomecolor / fillawaycolor: each slot whose text has a row takes the row's
// colour; a slot without a row keeps the colour it had from an earlier team load.
void fillDisplayColours(const std::array<std::string, 10>& colourTexts,
                        std::array<std::uint32_t, 10>& displayColours);

}  // namespace quarven::colours
