#include "colours/swatch_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace quarven::colours {
namespace {

constexpr Side kTabs[] = {Side::Home, Side::Away};

TEST(SwatchData, EachTabGridHoldsItsNinetyThreeSwatchesOnce) {
  for (Side tab : kTabs) {
    const int first = tab == Side::Home ? 0 : 125;
    std::set<int> seen;
    for (int row = 0; row < kSwatchRows; ++row)
      for (int column = 0; column < kSwatchColumns; ++column) {
        const auto index = swatchAt(tab, row, column);
        // The figure picture takes columns 0..4 of rows 0..6.
        EXPECT_EQ(index.has_value(), row == 7 || column >= 5) << row << "," << column;
        if (!index) continue;
        EXPECT_TRUE(seen.insert(*index).second) << *index;
        const auto place = swatchPlace(*index);
        ASSERT_TRUE(place);
        EXPECT_EQ(std::tie(place->tab, place->row, place->column), std::tie(tab, row, column));
      }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(kSwatchesPerTab));
    EXPECT_EQ(*seen.begin(), first);
    EXPECT_EQ(*seen.rbegin(), first + kSwatchesPerTab - 1);
  }
  for (int missing : {-1, 93, 124, 218}) EXPECT_FALSE(swatchPlace(missing)) << missing;
  EXPECT_FALSE(swatchAt(Side::Away, 8, 0));
}

TEST(SwatchData, BothTabsListTheSameNinetyOneColours) {
  std::map<Side, std::multiset<std::uint32_t>> colours;
  for (const auto& [index, colour] : swatchColourList()) {
    const auto place = swatchPlace(index);
    ASSERT_TRUE(place) << index;
    colours[place->tab].insert(colour);
  }
  EXPECT_EQ(colours[Side::Home].size(), 91u);
  EXPECT_EQ(colours[Side::Home], colours[Side::Away]);
  const std::map<int, std::uint32_t> listed(swatchColourList().begin(), swatchColourList().end());
  EXPECT_EQ(listed.at(49), 0x008000u);  // a colour that cannot be saved
  for (int unlisted : {90, 91, 215, 216}) EXPECT_FALSE(listed.contains(unlisted)) << unlisted;
}

TEST(SwatchData, ToolTipIsHexWithoutLeadingZeros) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0x000000, "0"}, {0x000080, "80"}, {0x0048D8, "48D8"}, {0x8E7811, "8E7811"}};
  for (const auto& [colour, text] : cases) EXPECT_EQ(swatchToolTipText(colour), text) << colour;
}

}  // namespace
}  // namespace quarven::colours
