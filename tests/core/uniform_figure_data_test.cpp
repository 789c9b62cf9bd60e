#include "colours/uniform_figure_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

namespace quarven::colours {
namespace {

// HOME holds boxes 0..7 and 10..90, AWAY 8, 9 and 91..177; each figure's parts take all its boxes but
// four, once each, and each part's sample box lies in its group.
TEST(UniformFigureData, GroupsCoverEachFigureOnceAndHoldTheirSampleBoxes) {
  const std::map<Side, std::set<int>> unpainted{{Side::Home, {14, 15, 16, 17}},
                                                {Side::Away, {171, 172, 173, 174}}};
  for (Side side : {Side::Home, Side::Away}) {
    std::set<int> rest;
    for (int i = 0; i < kFigureBoxCount; ++i) {
      ASSERT_TRUE(figureBox(i)) << i;
      EXPECT_EQ(figureBox(i)->side == Side::Home, i <= 7 || (i >= 10 && i <= 90)) << i;
      if (figureBox(i)->side == side) rest.insert(i);
    }
    for (int k = 0; k < kPartCount; ++k) {
      const auto group = partGroup(side, k);
      EXPECT_NE(std::find(group.begin(), group.end(), sampleBox(side, k).value_or(-1)), group.end()) << k;
      for (int box : group) {
        EXPECT_EQ(rest.erase(box), 1u) << "box " << box << " of part " << k;
        EXPECT_EQ(std::pair(figureBox(box)->side, figureBox(box)->part), std::pair(side, k)) << box;
      }
    }
    EXPECT_EQ(rest, unpainted.at(side));
    for (int box : rest) EXPECT_EQ(figureBox(box)->part, kNoPart);
  }
  for (int box : {-1, kFigureBoxCount}) EXPECT_FALSE(figureBox(box)) << box;
  EXPECT_FALSE(partSlot(kPartCount));
  EXPECT_EQ(partGroup(Side::Home, kPartCount).size() + partGroup(Side::Away, -1).size(), 0u);
}

// The AWAY figure's fixed pieces mirror the HOME ones (index 126 - i), on the cell grid.
TEST(UniformFigureData, FixedPiecesMirrorBetweenFigures) {
  const auto home = fixedPieces(Side::Home), away = fixedPieces(Side::Away);
  ASSERT_EQ(std::pair(home.size(), away.size()), std::pair(26ul, 26ul));
  std::map<std::uint32_t, int> colours;
  for (const FixedPiece& h : home) {
    const auto mirror =
        std::find_if(away.begin(), away.end(), [&](const FixedPiece& a) { return a.index == 126 - h.index; });
    ASSERT_NE(mirror, away.end()) << h.index;
    EXPECT_EQ(std::tie(mirror->place, mirror->desktopColour, mirror->colour),
              std::tie(h.place, h.desktopColour, h.colour));
    EXPECT_TRUE(h.index >= 101 && onCellGrid(h.place)) << h.index;
    ++colours[h.desktopColour ? 0x1000000u : h.colour];  // the desktop's colour counted apart
  }
  EXPECT_EQ(colours, (std::map<std::uint32_t, int>{{0x404080, 10}, {0xFFFFFF, 2}, {0, 1}, {0x1000000u, 13}}));
}

}  // namespace
}  // namespace quarven::colours
