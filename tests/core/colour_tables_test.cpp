#include <gtest/gtest.h>

#include <set>

#include "colours/colour_key_table.h"
#include "colours/colour_model.h"
#include "colours/colour_word_table.h"

namespace quarven::colours {
namespace {

constexpr std::uint32_t kOlive = 0x45969F;

// The colours the swatch grid offers (both tabs hold the same ones).
constexpr std::uint32_t kSwatchColours[] = {
    0x000000, 0x181818, 0x001870, 0x202020, 0x002098, 0x282828, 0x0028C8, 0x0028D0, 0x003070, 0x0030B8,
    0x380000, 0x383838, 0x38B8F8, 0x400000, 0x404040, 0x404040, 0x404848, 0x0040D8, 0x480000, 0x481800,
    0x481800, 0x0048B8, 0x0048C8, 0x0048D8, 0x000050, 0x500000, 0x505050, 0x506000, 0x0050E8, 0x580000,
    0x580000, 0x0058C0, 0x0058D8, 0x000060, 0x600000, 0x601800, 0x604000, 0x604800, 0x606800, 0x000068,
    0x680000, 0x000070, 0x700000, 0x703010, 0x000078, 0x007800, 0x780000, 0x787878, 0x000080, 0x008000,
    0x800000, 0x880000, 0x889090, 0x909090, 0x989898, 0xA00000, 0x285702, 0xA04000, 0xA06028, 0xA0A0A0,
    0xA80000, 0x8E7811, 0xA89020, 0xA8A8A8, 0x8E7811, 0x0000B0, 0xB00000, 0xB06818, 0xB09018, 0x0000B8,
    0xB80000, 0x0000C0, 0xC01048, 0xC02000, 0x0000C8, 0x0000D0, 0x0000D8, 0xD80000, 0xD8D8D8, 0x0000E0,
    0xE00000, 0xE02000, 0xE0E0E0, 0xE80000, 0x750B33, 0xE84000, 0xE8E8E8, 0xF0F0E8, 0xF81818, 0xF82020,
    0x45969F,
};

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

TEST(ColourKeyTable, RowCountAndExamples) {
  EXPECT_EQ(colourKeyTable().size(), 103u);
  const std::pair<const char*, std::uint32_t> rows[] = {
      {"8070", 0xE02000}, {"028", 0x500000}, {"D70", 0x0030B8},  {"00", 0x000000},   {"DA2", 0x00B0D0},
      {"1C0", 0x0000E0},  {"821", 0x404040}, {"847C", 0xF82020}, {"DD7B", 0xF0F0E8}, {"3B1", 0x0048D8},
      {"550", 0xA00028},  {"974", 0xE80048}, {"954", 0xA80048},
  };
  for (const auto& [key, colour] : rows) EXPECT_EQ(displayColourOfKey(key), colour) << key;
}

TEST(ColourKeyTable, AmbiguousTextsShowOneColour) {
  EXPECT_EQ(colourText(0x00D7), colourText(0x700D));
  EXPECT_EQ(displayColourOfKey(colourText(0x700D)), 0x0030B8u);
  EXPECT_EQ(colourText(0x2108), colourText(0x0182));
  EXPECT_EQ(displayColourOfKey(colourText(0x0182)), 0x404040u);
}

TEST(ColourKeyTable, RowsOffTheX8Rule) {
  for (const char* key : {"992", "5D3", "1F3", "FC2", "B82", "542", "BD2", "FB2", "3C3", "5322", "1B3"})
    EXPECT_EQ(displayColourOfKey(key), kOlive) << key;
  EXPECT_EQ(displayColourOfKey("4015"), 0x285702u);
  EXPECT_EQ(displayColourOfKey("2638"), 0x750B33u);
  EXPECT_EQ(displayColourOfKey("E245"), 0x8E7811u);
  int offRule = 0;
  for (const auto& [key, colour] : colourKeyTable()) {
    const auto word = wordOfX8(colour);
    if (!word || colourText(*word) != key) ++offRule;
  }
  EXPECT_EQ(offRule, 14);
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
  fillDisplayColours(texts, colours);
  EXPECT_EQ(colours, (std::array<std::uint32_t, 10>{0, 0xF82020, 0, 0, 0x000050, 0, 0, 0, 0, 0}));
  colours[2] = 0x123456;
  fillDisplayColours(texts, colours);
  EXPECT_EQ(colours[2], 0x123456u);  // kept from before, not cleared
}

TEST(ColourWordTable, RowCountAndExamples) {
  EXPECT_EQ(colourWordTable().size(), 93u);
  const std::pair<std::uint32_t, const char*> rows[] = {
      {0x000000, "0000"}, {0xE02000, "8070"}, {0x500000, "0028"}, {0x0000E0, "1C00"}, {0x0000D0, "1A00"},
      {0x404040, "0821"}, {0x00B0D0, "DA02"}, {0x0048D8, "3B01"}, {0xF82020, "847C"}, {0x0030B8, "D700"},
  };
  for (const auto& [colour, text] : rows) {
    const auto word = colourWordOf(colour);
    ASSERT_TRUE(word) << std::hex << colour;
    EXPECT_EQ(wordText(*word), text);
  }
}

TEST(ColourWordTable, RowsOffTheX8Rule) {
  const std::pair<std::uint32_t, const char*> rows[] = {
      {kOlive, "5322"},   {0x750B33, "2638"}, {0x285702, "4015"}, {0x8E7811, "E245"},
      {0xA00028, "2638"}, {0xE80048, "2638"}, {0xA80048, "2638"},
  };
  for (const auto& [colour, text] : rows) EXPECT_EQ(wordText(colourWordOf(colour).value()), text);
  int offRule = 0;
  for (const auto& [colour, word] : colourWordTable()) offRule += x8Colour(word) != colour;
  EXPECT_EQ(offRule, 7);
}

TEST(ColourWordTable, ColourWithoutARowGivesNoWord) {
  EXPECT_FALSE(colourWordOf(0x008000));
  EXPECT_FALSE(colourWordOf(0x0030B9));
  EXPECT_FALSE(colourWordOf(0xFF000000));
  for (const std::uint32_t colour : kSwatchColours)
    if (colour != 0x008000) {
      EXPECT_TRUE(colourWordOf(colour)) << std::hex << colour;
    }
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
  std::set<std::uint32_t> shown(std::begin(kSwatchColours), std::end(kSwatchColours));
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
