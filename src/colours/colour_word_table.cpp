#include "colours/colour_word_table.h"

#include <utility>

#include "colours/colour_model.h"
#include "colours/table_lookup.h"
#include "colours/x8_table_words.h"

namespace quarven::colours {

namespace {

// Rows whose word is not the colour's x8 word. The last three colours are the x8 colours of 0x5005,
// 0x7409 and 0x5409; they are saved as 0x3826.
constexpr std::array<std::pair<std::uint32_t, std::uint16_t>, 7> kOtherRows = {{
    {0x45969F, 0x2253},
    {0x750B33, 0x3826},
    {0x285702, 0x1540},
    {0x8E7811, 0x45E2},
    {0xA00028, 0x3826},
    {0xE80048, 0x3826},
    {0xA80048, 0x3826},
}};

ColourWordTable buildTable() {
  ColourWordTable table;
  for (const std::uint16_t word : x8TableWords()) table.emplace(x8Colour(word), word);
  for (const auto& [colour, word] : kOtherRows) table.emplace(colour, word);
  return table;
}

}  // namespace

const ColourWordTable& colourWordTable() {
  static const ColourWordTable table = buildTable();
  return table;
}

std::optional<std::uint16_t> colourWordOf(std::uint32_t displayColour) {
  return findRow(colourWordTable(), displayColour);
}

ColourSlots<std::optional<std::uint16_t>> editthecolor(const ColourSlots<std::uint32_t>& displayColours) {
  ColourSlots<std::optional<std::uint16_t>> words;
  for (std::size_t slot = 0; slot < displayColours.size(); ++slot)
    words[slot] = colourWordOf(displayColours[slot]);
  return words;
}

}  // namespace quarven::colours
