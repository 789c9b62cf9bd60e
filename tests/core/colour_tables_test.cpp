#include <gtest/gtest.h>

#include <map>
#include <set>

#include "colours/colour_key_table.h"
#include "colours/colour_model.h"
#include "colours/colour_word_table.h"
#include "colours/swatch_data.h"

namespace quarven::colours {
namespace {

constexpr std::uint32_t kOlive = 0x45969F;

TEST(ColourModel, X8RuleBothWays) {
  const std::pair<std::uint16_t, std::uint32_t> cases[] = {
      {0x7080, 0xE02000}, {0x00D7, 0x0030B8}, {0x7C84, 0xF82020},
      {0x0000, 0x000000}, {0x7FFF, 0xF8F8F8}, {0x001F, 0x0000F8},
  };
  for (const auto& [word, colour] : cases) {
    EXPECT_EQ(x8Colour(word), colour) << std::hex << word;
    EXPECT_EQ(wordOfX8(colour), word) << std::hex << colour;
  }
  EXPECT_EQ(x8Colour(0xFFFF), 0xF8F8F8u);  // bit 15 is no colour
  for (const std::uint32_t colour : {0x45969Fu, 0x000001u, 0x010000u, 0x000800u + 4, 0x1000000u})
    EXPECT_FALSE(wordOfX8(colour)) << std::hex << colour;
  for (std::uint32_t word = 0; word < 0x8000; ++word)
    ASSERT_EQ(wordOfX8(x8Colour(static_cast<std::uint16_t>(word))), word);
}

TEST(ColourModel, TextForms) {
  struct Case {
    std::uint16_t word;
    const char* colourText;
    const char* wordText;
  };
  const Case cases[] = {
      {0x7080, "8070", "8070"}, {0x2800, "028", "0028"}, {0x00D7, "D70", "D700"}, {0x0000, "00", "0000"},
      {0x000A, "A0", "0A00"},   {0x2108, "821", "0821"}, {0x0182, "821", "8201"}, {0xFFFF, "FFFF", "FFFF"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(colourText(c.word), c.colourText) << std::hex << c.word;
    EXPECT_EQ(colourTextOfBytes(c.word & 0xFF, c.word >> 8), c.colourText);
    EXPECT_EQ(wordText(c.word), c.wordText);
  }
  EXPECT_EQ(decimalColourText(0x00B0D0), "45264");
  EXPECT_EQ(decimalColourText(0x00D0D0), "53456");
  EXPECT_EQ(decimalColourText(0), "0");
}

// Each row's key is the colour text of the word its colour gives by the x8 rule, except fourteen.
TEST(ColourKeyTable, RowsFollowTheX8RuleExceptFourteen) {
  std::map<std::string, std::uint32_t> offRule = {{"4015", 0x285702}, {"2638", 0x750B33}, {"E245", 0x8E7811}};
  for (const char* key : {"992", "5D3", "1F3", "FC2", "B82", "542", "BD2", "FB2", "3C3", "5322", "1B3"})
    offRule[key] = kOlive;
  EXPECT_EQ(colourKeyTable().size(), 103u);
  for (const auto& [key, colour] : colourKeyTable()) {
    SCOPED_TRACE(key);
    if (offRule.contains(std::string(key))) {
      EXPECT_EQ(colour, offRule.at(std::string(key)));
      offRule.erase(std::string(key));
    } else {
      ASSERT_TRUE(wordOfX8(colour));
      EXPECT_EQ(colourText(*wordOfX8(colour)), key);
    }
  }
  EXPECT_TRUE(offRule.empty());
  // Texts that two words share show one colour; "3B1" is 0x013B, not 0x3B01.
  EXPECT_EQ(colourText(0x00D7), colourText(0x700D));
  EXPECT_EQ(displayColourOfKey("D70"), 0x0030B8u);
  EXPECT_EQ(colourText(0x2108), colourText(0x0182));
  EXPECT_EQ(displayColourOfKey("821"), 0x404040u);
  EXPECT_EQ(displayColourOfKey("3B1"), 0x0048D8u);
}

TEST(ColourKeyTable, MatchesOnlyTheExactText) {
  using namespace std::string_view_literals;
  for (const std::string_view key :
       {"0D70"sv, "d70"sv, "8070 "sv, " 8070"sv, "0028"sv, ""sv, "000"sv, "8070\0"sv})
    EXPECT_FALSE(displayColourOfKey(key)) << "[" << key << "]";
  EXPECT_FALSE(displayColourOfKey(colourText(0x1234)));
}

TEST(ColourKeyTable, FillKeepsTheColourOfATextWithoutARow) {
  std::array<std::uint32_t, 10> colours{};
  std::array<std::string, 10> texts = {"8070", "1234", "00", "D70", "", "xx", "2638", "821", "5322", "3B1"};
  fillDisplayColours(texts, colours);
  EXPECT_EQ(colours, (std::array<std::uint32_t, 10>{0xE02000, 0, 0, 0x0030B8, 0, 0, 0x750B33, 0x404040,
                                                    kOlive, 0x0048D8}));
  texts = {"00", "847C", "nope", "00", "A0", "nope", "00", "00", "00", "00"};
  colours[2] = 0x123456;  // kept from before, not cleared
  fillDisplayColours(texts, colours);
  EXPECT_EQ(colours, (std::array<std::uint32_t, 10>{0, 0xF82020, 0x123456, 0, 0x000050, 0, 0, 0, 0, 0}));
}

// Each row's word is the x8 word of its colour, except seven; a colour without a row gives no word.
TEST(ColourWordTable, RowsFollowTheX8RuleExceptSeven) {
  std::map<std::uint32_t, std::uint16_t> offRule = {
      {kOlive, 0x2253},   {0x750B33, 0x3826}, {0x285702, 0x1540}, {0x8E7811, 0x45E2},
      {0xA00028, 0x3826}, {0xE80048, 0x3826}, {0xA80048, 0x3826}};
  EXPECT_EQ(colourWordTable().size(), 93u);
  for (const auto& [colour, word] : colourWordTable()) {
    SCOPED_TRACE(colour);
    EXPECT_EQ(word, offRule.contains(colour) ? offRule.at(colour) : wordOfX8(colour).value_or(0x8000));
    EXPECT_EQ(colourWordOf(colour), word);
  }
  EXPECT_EQ(wordText(*colourWordOf(0x0048D8)), "3B01");
  EXPECT_FALSE(colourWordOf(0x008000));
  EXPECT_FALSE(colourWordOf(0x0030B9));
  EXPECT_FALSE(colourWordOf(0xFF000000));
}

TEST(ColourWordTable, EditthecolorConvertsAllTwentySlots) {
  std::array<std::uint32_t, 20> colours{};
  colours[1] = 0xE02000;
  colours[7] = 0x008000;
  colours[19] = kOlive;
  const auto words = editthecolor(colours);
  EXPECT_EQ(words[0], 0x0000);
  EXPECT_EQ(words[1], 0x7080);
  EXPECT_FALSE(words[7]);  // no stale word from an earlier slot or save
  EXPECT_EQ(words[19], 0x2253);
  colours[7] = 0xE02000;
  EXPECT_EQ(editthecolor(colours)[7], 0x7080);
}

// What a figure box can show is saved as a word whose colour text shows the same colour after the next
// team load, except for the three colours that are saved as 0x3826.
TEST(ColourTables, ShownColoursSurviveSaveAndReload) {
  std::set<std::uint32_t> shown;
  for (const auto& row : swatchColourList()) shown.insert(row.second);
  for (const auto& row : colourKeyTable()) shown.insert(row.second);
  const std::set<std::uint32_t> changedBySave = {0xA00028, 0xE80048, 0xA80048};
  for (const std::uint32_t colour : shown) {
    const auto word = colourWordOf(colour);
    if (!word) {
      EXPECT_EQ(colour, 0x008000u);
      continue;
    }
    const auto reloaded = displayColourOfKey(colourText(*word));
    if (changedBySave.contains(colour)) {
      EXPECT_EQ(reloaded, 0x750B33u) << std::hex << colour;
    } else {
      EXPECT_EQ(reloaded, colour) << std::hex << colour;
    }
  }
}

}  // namespace
}  // namespace quarven::colours
