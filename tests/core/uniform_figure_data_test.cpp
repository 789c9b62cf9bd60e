#include "colours/uniform_figure_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace quarven::colours {
namespace {

constexpr Side kSides[] = {Side::Home, Side::Away};

bool inside(const TwipsRect& r, const TwipsRect& outer) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= outer.width && r.top + r.height <= outer.height;
}

std::vector<int> boxesOf(Side side) {
  std::vector<int> boxes;
  for (int i = 0; i < kFigureBoxCount; ++i)
    if (figureBox(i) && figureBox(i)->side == side) boxes.push_back(i);
  return boxes;
}

// HOME holds boxes 0..7 and 10..90, AWAY 8, 9 and 91..177; each figure's parts take all its boxes but
// four, once each, and each part's sample box lies in its group.
TEST(UniformFigureData, GroupsCoverEachFigureOnceAndHoldTheirSampleBoxes) {
  const std::map<Side, std::set<int>> unpainted{{Side::Home, {14, 15, 16, 17}},
                                                {Side::Away, {171, 172, 173, 174}}};
  for (Side side : kSides) {
    const std::vector<int> boxes = boxesOf(side);
    ASSERT_EQ(boxes.size(), 89u);
    for (int i : boxes) {
      EXPECT_EQ(side == Side::Home, i <= 7 || (i >= 10 && i <= 90)) << i;
      EXPECT_TRUE(inside(figureBox(i)->place, kFigurePicturePlace)) << i;
    }
    std::set<int> seen;
    for (int k = 0; k < kPartCount; ++k) {
      const auto group = partGroup(side, k);
      EXPECT_NE(std::find(group.begin(), group.end(), sampleBox(side, k).value_or(-1)), group.end()) << k;
      for (int box : group) {
        EXPECT_TRUE(seen.insert(box).second) << "box " << box << " in two groups";
        ASSERT_TRUE(figureBox(box)) << box;
        EXPECT_EQ(std::pair(figureBox(box)->side, figureBox(box)->part), std::pair(side, k)) << "box " << box;
      }
    }
    std::set<int> rest;
    for (int box : boxes)
      if (!seen.count(box)) rest.insert(box);
    EXPECT_EQ(rest, unpainted.at(side));
    for (int box : rest) EXPECT_EQ(figureBox(box)->part, kNoPart);
  }
  EXPECT_FALSE(figureBox(-1));
  EXPECT_FALSE(figureBox(kFigureBoxCount));
  EXPECT_FALSE(partSlot(kPartCount));
  EXPECT_TRUE(partGroup(Side::Home, kPartCount).empty());
  EXPECT_TRUE(partGroup(Side::Away, -1).empty());
}

TEST(UniformFigureData, FixedPiecesMirrorBetweenFigures) {
  const auto home = fixedPieces(Side::Home);
  const auto away = fixedPieces(Side::Away);
  ASSERT_EQ(home.size(), 26u);
  ASSERT_EQ(away.size(), 26u);
  std::map<std::uint32_t, int> colours;
  for (const FixedPiece& h : home) {
    const auto mirror =
        std::find_if(away.begin(), away.end(), [&](const FixedPiece& a) { return a.index == 126 - h.index; });
    ASSERT_NE(mirror, away.end()) << h.index;
    EXPECT_EQ(std::tie(mirror->place, mirror->desktopColour, mirror->colour),
              std::tie(h.place, h.desktopColour, h.colour));
    EXPECT_TRUE(h.index >= 101 && h.index <= 126 && onCellGrid(h.place) &&
                inside(h.place, kFigurePicturePlace))
        << h.index;
    ++colours[h.desktopColour ? 0x1000000u : h.colour];  // the desktop's colour counted apart
  }
  EXPECT_EQ(colours,
            (std::map<std::uint32_t, int>{{0x404080, 10}, {0xFFFFFF, 2}, {0x000000, 1}, {0x1000000u, 13}}));
}

}  // namespace
}  // namespace quarven::colours
