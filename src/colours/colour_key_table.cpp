#include "colours/colour_key_table.h"

#include <utility>

#include "colours/colour_model.h"
#include "colours/table_lookup.h"
#include "colours/x8_table_words.h"

namespace quarven::colours {

namespace {

// Words of the key table beyond the shared x8 words; their x8 colours map back to other words.
constexpr std::array<std::uint16_t, 3> kKeyOnlyX8Words = {0x5005, 0x5409, 0x7409};

// Rows whose colour does not follow the x8 rule.
constexpr std::array<std::pair<std::string_view, std::uint32_t>, 14> kOtherRows = {{
    {"992", 0x45969F},
    {"5D3", 0x45969F},
    {"1F3", 0x45969F},
    {"FC2", 0x45969F},
    {"B82", 0x45969F},
    {"542", 0x45969F},
    {"BD2", 0x45969F},
    {"FB2", 0x45969F},
    {"3C3", 0x45969F},
    {"5322", 0x45969F},
    {"1B3", 0x45969F},
    {"4015", 0x285702},
    {"2638", 0x750B33},
    {"E245", 0x8E7811},
}};

ColourKeyTable buildTable() {
  ColourKeyTable table;
  auto addWord = [&table](std::uint16_t word) { table.emplace(colourText(word), x8Colour(word)); };
  // The shared words include 0x013B ("3B1" -> 0x0048D8), so that the swatch colour 0x0048D8, which the
  // word table saves as 0x013B, shows again after the next team load.
  for (const std::uint16_t word : x8TableWords()) addWord(word);
  for (const std::uint16_t word : kKeyOnlyX8Words) addWord(word);
  for (const auto& [key, colour] : kOtherRows) table.emplace(key, colour);
  return table;
}

}  // namespace

const ColourKeyTable& colourKeyTable() {
  static const ColourKeyTable table = buildTable();
  return table;
}

std::optional<std::uint32_t> displayColourOfKey(std::string_view colourText) {
  return findRow(colourKeyTable(), colourText);
}

void fillDisplayColours(const std::array<std::string, 10>& colourTexts,
                        std::array<std::uint32_t, 10>& displayColours) {
  for (std::size_t slot = 0; slot < colourTexts.size(); ++slot) {
    if (const auto colour = displayColourOfKey(colourTexts[slot])) displayColours[slot] = *colour;
  }
}

}  // namespace quarven::colours
