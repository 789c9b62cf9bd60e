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

// Every place the two tabs lay out and every selector's texts, folded into one number: a slipped
// coordinate, a swapped swatch or a changed caption in the tables shows here. It changes with the form only.
TEST(SwatchData, TheTabsLayoutIsTheFormsOwn) {
  std::uint64_t digest = 0;
  const auto add = [&](int value) { digest = digest * 1000003 + static_cast<std::uint64_t>(value + 1); };
  const auto place = [&](std::optional<TwipsRect> r) {
    for (int value : {r->left, r->top, r->width, r->height}) add(value);
  };
  for (int k = 0; k < kPartCount; ++k) {
    place(selectorPlace(Side::Home, k)), place(selectorPlace(Side::Away, k));
    for (const char* text : {partSlot(k)->code, partSlot(k)->toolTip})
      for (; *text; ++text) add(*text);
  }
  for (int i = 0; i < kSwatchIndexCount; ++i) swatchRect(i) ? place(swatchRect(i)) : add(-1);
  for (int i = 0; i < kFigureBoxCount; ++i) place(figureBox(i)->place);
  for (const FixedPiece& piece : fixedPieces(Side::Home)) place(piece.place);
  EXPECT_EQ(digest, 0x9F748ECE8FCBEA64u);
}

}  // namespace
}  // namespace quarven::colours
