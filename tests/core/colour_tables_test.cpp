#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>

#include "colours/colour_key_table.h"
#include "colours/colour_model.h"
#include "colours/colour_word_table.h"
#include "colours/swatch_data.h"

namespace quarven::colours {
namespace {

constexpr std::uint32_t kOlive = 0x45969F;

// The x8 rule backwards: the word of a colour whose channels are all multiples of 8.
std::optional<std::uint16_t> x8Word(std::uint32_t colour) {
  if (colour > 0xFFFFFF || (colour & 0x070707) != 0) return std::nullopt;
  return static_cast<std::uint16_t>((colour & 0xFF) / 8 | ((colour >> 8) & 0xFF) / 8 << 5 |
                                    (colour >> 16) / 8 << 10);
}

TEST(ColourModel, X8RuleAndColourTexts) {
  // The last word has bit 15 set, which is no colour.
  const std::tuple<std::uint16_t, std::uint32_t, const char*> cases[] = {
      {0x7080, 0xE02000, "8070"}, {0x00D7, 0x0030B8, "D70"},  {0x700D, 0xE00068, "D70"},
      {0x2108, 0x404040, "821"},  {0x0182, 0x006010, "821"},  {0x2800, 0x500000, "028"},
      {0x0000, 0x000000, "00"},   {0x7FFF, 0xF8F8F8, "FF7F"}, {0xFFFF, 0xF8F8F8, "FFFF"}};
  for (const auto& [word, colour, text] : cases) {
    EXPECT_EQ(x8Colour(word), colour) << std::hex << word;
    EXPECT_EQ(colourText(word), text) << std::hex << word;
  }
  const std::array<std::uint16_t, layout::kColourSlots> words{0, 1, 2, 3, 4, 5, 6, 7, 8, 0x2800};
  EXPECT_EQ(colourTexts(words).back(), "028");  // every slot, the last included
}

// Each key is the colour text of its colour's x8 word, except fourteen rows; keys are matched exactly.
TEST(ColourKeyTable, RowsFollowTheX8RuleExceptFourteen) {
  std::map<std::string, std::uint32_t> offRule = {{"4015", 0x285702}, {"2638", 0x750B33}, {"E245", 0x8E7811}};
  for (const char* key : {"992", "5D3", "1F3", "FC2", "B82", "542", "BD2", "FB2", "3C3", "5322", "1B3"})
    offRule[key] = kOlive;
  for (const auto& [key, colour] : colourKeyTable()) {
    if (offRule.contains(key))
      EXPECT_EQ(colour, offRule.extract(key).mapped()) << key;
    else
      EXPECT_EQ(colourText(x8Word(colour).value_or(0x8000)), key);
  }
  EXPECT_TRUE(offRule.empty());
  EXPECT_EQ(colourKeyTable().size(), 103u);
  using namespace std::string_view_literals;
  for (const std::string_view key : {"0D70"sv, "d70"sv, " 8070"sv, "0028"sv, ""sv, "8070\0"sv})
    EXPECT_FALSE(displayColourOfKey(key)) << "[" << key << "]";
}

// "D70" and "821" read as 0x00D7 and 0x2108; a slot whose text has no row keeps its colour.
TEST(ColourKeyTable, FillKeepsTheColourOfATextWithoutARow) {
  std::array<std::uint32_t, 10> colours{};
  std::array<std::string, 10> texts = {"8070", "1234", "00", "D70", "", "xx", "2638", "821", "5322", "3B1"};
  fillDisplayColours(texts, colours);
  EXPECT_EQ(colours, (std::array<std::uint32_t, 10>{0xE02000, 0, 0, 0x0030B8, 0, 0, 0x750B33, 0x404040,
                                                    kOlive, 0x0048D8}));
  texts = {"00", "847C", "nope", "A02", "A0", "nope", "A42", "DA2", "5A3", "00"};  // A02..5A3: no swatch
  colours[2] = 0x123456;  // kept from before, not cleared
  fillDisplayColours(texts, colours);
  EXPECT_EQ(colours, (std::array<std::uint32_t, 10>{0, 0xF82020, 0x123456, 0x00A800, 0x000050, 0, 0x00A820,
                                                    0x00B0D0, 0x00D0D0, 0}));
}

// A colour without a row gives no word, never the word of an earlier slot.
TEST(ColourWordTable, RowsFollowTheX8RuleExceptSeven) {
  const std::map<std::uint32_t, std::uint16_t> offRule = {
      {kOlive, 0x2253},   {0x750B33, 0x3826}, {0x285702, 0x1540}, {0x8E7811, 0x45E2},
      {0xA00028, 0x3826}, {0xE80048, 0x3826}, {0xA80048, 0x3826}};
  EXPECT_EQ(colourWordTable().size(), 93u);
  for (const auto& [colour, word] : colourWordTable())
    EXPECT_EQ(word, offRule.contains(colour) ? offRule.at(colour) : x8Word(colour).value_or(0x8000))
        << colour;
  const auto words = editthecolor({0, 0xE02000, 0x0048D8, 0x008000, 0x0030B9, kOlive});
  EXPECT_EQ(std::vector(words.begin(), words.begin() + 7),
            (std::vector<std::optional<std::uint16_t>>{0, 0x7080, 0x013B, {}, {}, 0x2253, 0}));
}

// What a figure box can show is saved as a word whose colour text shows the same colour after the
// next team load, except for the three colours that are saved as 0x3826.
TEST(ColourTables, ShownColoursSurviveSaveAndReload) {
  std::set<std::uint32_t> shown;
  for (const auto& row : swatchColourList()) shown.insert(row.second);
  for (const auto& row : colourKeyTable()) shown.insert(row.second);
  const std::set<std::uint32_t> changedBySave = {0xA00028, 0xE80048, 0xA80048};
  for (const std::uint32_t colour : shown) {
    const auto word = colourWordOf(colour);
    if (!word)
      EXPECT_EQ(colour, 0x008000u);
    else
      EXPECT_EQ(displayColourOfKey(colourText(*word)), changedBySave.contains(colour) ? 0x750B33u : colour)
          << std::hex << colour;
  }
}

}  // namespace
}  // namespace quarven::colours
