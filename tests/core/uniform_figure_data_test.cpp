#include "colours/uniform_figure_data.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace quarven::colours {
namespace {

bool inside(const TwipsRect& r, const TwipsRect& outer) {
  return r.left >= 0 && r.top >= 0 && r.left + r.width <= outer.width && r.top + r.height <= outer.height;
}

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
      EXPECT_TRUE(inside(figureBox(i)->place, kFigurePicturePlace)) << i;
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
    EXPECT_TRUE(h.index >= 101 && onCellGrid(h.place) && inside(h.place, kFigurePicturePlace)) << h.index;
    ++colours[h.desktopColour ? 0x1000000u : h.colour];  // the desktop's colour counted apart
  }
  EXPECT_EQ(colours, (std::map<std::uint32_t, int>{{0x404080, 10}, {0xFFFFFF, 2}, {0, 1}, {0x1000000u, 13}}));
}

// Rows of the form's tables: part slots, boxes (those off the cell grid among them), pieces and the
// painting order of groups whose boxes are not in index order.
TEST(UniformFigureData, PartSlotsBoxesPiecesAndGroupsAreTheFormsOwn) {
  const std::tuple<int, const char*, const char*, int, int, int> slots[] = {
      {1, "PA", "Pant", 3, 78, 114},
      {4, "TS", "Top Stripe", 7, 45, 131},
      {8, "HJ", "Helmet/Jersey", 11, 26, 143},
      {9, "SS", "Shoulder Stripe", 12, 18, 159}};
  for (const auto& [k, code, toolTip, word, home, away] : slots) {
    const PartSlot slot = partSlot(k).value();
    EXPECT_EQ(std::tuple(std::string(slot.code), std::string(slot.toolTip), slot.paletteWord,
                         slot.homeSampleBox, slot.awaySampleBox),
              std::tuple(std::string(code), std::string(toolTip), word, home, away));
  }
  const std::tuple<int, Side, int, TwipsRect> boxes[] = {
      {37, Side::Home, 0, {612, 468, 48, 48}},        {141, Side::Away, 0, {660, 435, 90, 120}},
      {88, Side::Home, 2, {684, 864, 156, 84}},       {177, Side::Away, 3, {504, 252, 120, 84}},
      {93, Side::Away, 4, {750, 590, 45, 60}},        {8, Side::Away, 5, {720, 540, 90, 45}},
      {9, Side::Away, 5, {792, 504, 84, 48}},         {11, Side::Home, 7, {660, 360, 45, 90}},
      {155, Side::Away, 7, {648, 360, 48, 84}},       {14, Side::Home, kNoPart, {360, 180, 84, 120}},
      {171, Side::Away, kNoPart, {360, 180, 84, 120}}};
  for (const auto& [index, side, part, place] : boxes) {
    const FigureBox box = figureBox(index).value();
    EXPECT_EQ(std::tie(box.side, box.part, box.place), std::tie(side, part, place)) << index;
  }
  const auto piece = [](Side side, int index) {
    const auto pieces = fixedPieces(side);
    return *std::find_if(pieces.begin(), pieces.end(), [&](const FixedPiece& p) { return p.index == index; });
  };
  const std::tuple<Side, int, TwipsRect, bool, std::uint32_t> pieces[] = {
      {Side::Home, 101, {540, 540, 192, 48}, true, 0},
      {Side::Home, 114, {72, 972, 156, 84}, false, 0},
      {Side::Away, 11, {576, 1044, 264, 48}, false, 0xFFFFFF},
      {Side::Away, 0, {540, 612, 48, 48}, false, 0x404080}};
  for (const auto& [side, index, place, desktop, colour] : pieces) {
    const FixedPiece p = piece(side, index);
    EXPECT_EQ(std::tuple(p.place, p.desktopColour, desktop ? 0 : p.colour),
              std::tuple(place, desktop, colour))
        << index;
  }
  const auto group = [](Side side, int k) {
    return std::vector(partGroup(side, k).begin(), partGroup(side, k).end());
  };
  EXPECT_EQ(group(Side::Away, 4),
            (std::vector{93, 94, 95, 96, 97, 105, 106, 107, 124, 127, 128, 131, 132, 134}));
  EXPECT_EQ(group(Side::Away, 6), (std::vector{98, 99, 100, 101, 102, 103, 104, 121, 122, 123, 91, 92}));
  EXPECT_EQ(group(Side::Home, 7), (std::vector{0, 1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 13}));
  EXPECT_EQ(kFigurePicturePlace, (TwipsRect{60, 600, 930, 1260}));
}

}  // namespace
}  // namespace quarven::colours
