#include "colours/swatch_data.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace quarven::colours {
namespace {

// Each tab's grid holds its 93 swatches once, around the figure picture (columns 0..4 of rows 0..6),
// and swatchPlace finds each where swatchAt put it.
TEST(SwatchData, EachTabGridHoldsItsNinetyThreeSwatchesOnce) {
  for (Side tab : {Side::Home, Side::Away}) {
    std::set<int> seen;
    for (int row = 0; row < kSwatchRows; ++row)
      for (int column = 0; column < kSwatchColumns; ++column) {
        const auto index = swatchAt(tab, row, column);
        ASSERT_EQ(index.has_value(), row == 7 || column >= 5) << row << "," << column;
        if (!index) continue;
        EXPECT_TRUE(seen.insert(*index).second) << *index;
        const auto place = swatchPlace(*index).value();
        EXPECT_EQ(std::tie(place.tab, place.row, place.column), std::tie(tab, row, column));
      }
    const int first = tab == Side::Home ? 0 : 125;
    EXPECT_EQ(std::tuple(seen.size(), *seen.begin(), *seen.rbegin()), std::tuple(93u, first, first + 92));
  }
  for (int missing : {-1, 93, 124, 218}) EXPECT_FALSE(swatchPlace(missing)) << missing;
  EXPECT_FALSE(swatchAt(Side::Away, 8, 0));
}

// Both tabs list the same colours; 90, 91, 215 and 216 are not listed and keep the start colour.
TEST(SwatchData, BothTabsListTheSameColoursAndToolTipsAreHexWithoutLeadingZeros) {
  std::map<Side, std::multiset<std::uint32_t>> colours;
  for (const auto& [index, colour] : swatchColourList())
    colours[swatchPlace(index).value().tab].insert(colour);
  EXPECT_EQ(colours[Side::Home].size(), 91u);
  EXPECT_EQ(colours[Side::Home], colours[Side::Away]);
  const std::map<int, std::uint32_t> listed(swatchColourList().begin(), swatchColourList().end());
  for (int unlisted : {90, 91, 215, 216}) EXPECT_FALSE(listed.contains(unlisted)) << unlisted;
  const std::pair<std::uint32_t, const char*> tips[] = {
      {0x000000, "0"}, {0x000080, "80"}, {0x0048D8, "48D8"}, {0x8E7811, "8E7811"}};
  for (const auto& [colour, text] : tips) EXPECT_EQ(swatchToolTipText(colour), text) << colour;
}

// Rows of the form's tables: selector places, swatch places on both grids and swatch colours.
TEST(SwatchData, SelectorsSwatchesAndColoursStandWhereTheFormPutsThem) {
  // Part, tab, place; element 2 is wider on the AWAY tab.
  const std::tuple<int, Side, TwipsRect> selectors[] = {{0, Side::Home, {60, 420, 285, 195}},
                                                        {1, Side::Away, {300, 420, 270, 195}},
                                                        {2, Side::Home, {540, 420, 330, 195}},
                                                        {2, Side::Away, {540, 420, 345, 195}},
                                                        {9, Side::Away, {2640, 420, 330, 195}}};
  for (const auto& [part, tab, place] : selectors) EXPECT_EQ(selectorPlace(tab, part), place) << part;
  EXPECT_FALSE(selectorPlace(Side::Home, kPartCount));
  // Swatch, tab, row, column, left, top: columns 180 twips apart, rows at their own tops on each tab.
  const std::tuple<int, Side, int, int, int, int> swatches[] = {
      {0, Side::Home, 0, 5, 960, 615},     {8, Side::Home, 1, 9, 1680, 780},
      {82, Side::Home, 7, 0, 60, 1860},    {87, Side::Home, 7, 4, 780, 1860},
      {90, Side::Home, 7, 15, 2760, 1860}, {200, Side::Away, 0, 5, 960, 600},
      {201, Side::Away, 0, 13, 2400, 600}, {125, Side::Away, 6, 13, 2400, 1665},
      {207, Side::Away, 7, 0, 60, 1845},   {216, Side::Away, 7, 12, 2220, 1845}};
  for (const auto& [index, tab, row, column, left, top] : swatches) {
    EXPECT_EQ(swatchAt(tab, row, column), index);
    EXPECT_EQ(swatchRect(index), (TwipsRect{left, top, kSwatchSize, kSwatchSize})) << index;
  }
  const std::map<int, std::uint32_t> listed(swatchColourList().begin(), swatchColourList().end());
  const std::pair<int, std::uint32_t> colours[] = {
      {0, 0x000000},   {9, 0x0030B8},   {49, 0x008000},  {61, 0x8E7811},  {64, 0x8E7811},
      {84, 0x750B33},  {89, 0xF82020},  {92, 0x45969F},  {125, 0x500000}, {149, 0x008000},
      {161, 0x8E7811}, {192, 0x8E7811}, {200, 0x0028D0}, {214, 0x0048B8}, {217, 0x45969F}};
  for (const auto& [index, colour] : colours) EXPECT_EQ(listed.at(index), colour) << index;
}

}  // namespace
}  // namespace quarven::colours
