// The uniform tabs: part groups painted on the figures, the part selectors and the swatch grid.

#include "ui/uniform_tabs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <functional>
#include <set>

#include "key_input.h"
#include "platform/system_colours.h"
#include "ui/twips.h"
#include "ui/uniform_cell.h"
#include "ui/uniform_figure.h"

namespace quarven::ui {
namespace {

using colours::kPartCount;
using platform::GetSysColor;

constexpr Side kSides[] = {Side::Home, Side::Away};

// Shown, with every group of both sides in its own colour and the swatch list applied, as a team
// load leaves them.
class UniformTabsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tabs.show();
    for (Side side : kSides)
      for (int k = 0; k < kPartCount; ++k)
        tabs.paintPartGroup(side, k, 0x102030u + 8u * k + (side == Side::Away ? 0x400000u : 0));
    tabs.applySwatchColourList();
    QApplication::processEvents();
  }

  // The figure boxes whose colour `action` changes.
  std::set<int> changedBoxesAfter(const std::function<void()>& action) {
    std::vector<std::uint32_t> before;
    for (int i = 0; i < colours::kFigureBoxCount; ++i) before.push_back(tabs.boxColour(i));
    action();
    std::set<int> changed;
    for (int i = 0; i < colours::kFigureBoxCount; ++i)
      if (before[std::size_t(i)] != tabs.boxColour(i)) changed.insert(i);
    return changed;
  }

  UniformTabs tabs;
};

// Painting a group changes exactly its own boxes, never a box of another group or of the other figure.
TEST_F(UniformTabsTest, PaintingAGroupChangesExactlyThatGroupsBoxes) {
  for (Side side : kSides)
    for (int k = 0; k < kPartCount; ++k) {
      const std::uint32_t colour = 0xAB0000u + 16u * int(side) + k;
      const auto group = colours::partGroup(side, k);
      EXPECT_EQ(changedBoxesAfter([&] { tabs.paintPartGroup(side, k, colour); }),
                std::set<int>(group.begin(), group.end()))
          << "side " << int(side) << " part " << k;
      EXPECT_EQ(tabs.sampleColour(side == Side::Away ? 10 + k : k), colour);
    }
}

// What is drawn: each box in its colour (later boxes over earlier ones), unpainted boxes, fixed pieces.
TEST_F(UniformTabsTest, FiguresShowGroupColoursAndKeepFacesAndPieces) {
  for (int swatch : {3, 40, 92}) tabs.Label11_Click(swatch);
  for (Side side : kSides) {
    const QImage image = tabs.figure(side)->grab().toImage();
    auto shown = [&](const colours::TwipsRect& place) {
      return platform::toDisplayColour(image.pixelColor(twipsToPixels(place).center()));
    };
    for (int i = 0; i < colours::kFigureBoxCount; ++i) {
      const auto box = colours::figureBox(i);
      if (box->side != side) continue;
      if (box->part == colours::kNoPart) {
        EXPECT_EQ(tabs.boxColour(i), colours::kUnpaintedBoxColour) << i;
      }
      const int onTop = i == 91 ? 93 : i == 153 ? 149 : i;  // AWAY boxes 93 and 149 lie over 91 and 153
      EXPECT_EQ(shown(box->place), tabs.boxColour(onTop)) << "box " << i;
    }
    for (const colours::FixedPiece& piece : colours::fixedPieces(side))
      EXPECT_EQ(shown(piece.place),
                piece.desktopColour ? GetSysColor(platform::COLOR_BACKGROUND) : piece.colour)
          << "piece " << piece.index;
  }
}

// Each tab keeps its own selected part (red text); a swatch click recolours the current tab's one.
TEST_F(UniformTabsTest, SelectionPerTabAndSwatchClick) {
  EXPECT_EQ(tabs.selector(Side::Away, 1)->textColour(), GetSysColor(platform::COLOR_WINDOW));
  testing::click(tabs.selector(Side::Away, 4));  // AWAY is current at start
  tabs.setCurrentIndex(0);
  tabs.Label8_Click(2);
  tabs.Label8_Click(2);  // again: still the only red one
  const std::set<int> changedByBadIndexes = changedBoxesAfter([&] {
    for (int bad : {-1, kPartCount}) {
      tabs.Label8_Click(bad);
      tabs.Label12_Click(bad);
      tabs.paintPartGroup(Side(bad & 1), bad, 1);
    }
    for (int bad : {-1, 93, 124, 218}) tabs.Label11_Click(bad);
  });
  EXPECT_TRUE(changedByBadIndexes.empty()) << "indexes outside the sets change nothing";
  for (int k = 0; k < kPartCount; ++k)
    EXPECT_EQ(tabs.selector(Side::Home, k)->textColour(), k == 2 ? 0x0000FFu : 0xFFFFFFu) << k;
  EXPECT_EQ(tabs.selectedPart(Side::Home), 2);
  EXPECT_EQ(tabs.selectedPart(Side::Away), 4);
  std::vector<std::uint32_t> before;
  for (int i = 0; i < colours::kFigureBoxCount; ++i) before.push_back(tabs.boxColour(i));
  testing::click(tabs.swatch(62));  // exactly the HOME socks group changes
  const auto group = colours::partGroup(Side::Home, 2);
  for (int i = 0; i < colours::kFigureBoxCount; ++i)
    EXPECT_EQ(tabs.boxColour(i), std::ranges::count(group, i) ? 0xA89020u : before[std::size_t(i)]) << i;
  EXPECT_EQ(tabs.sampleColour(2), 0xA89020u);
}

// Places inside the control, also when the control is shown later than its window (as the panel is).
TEST_F(UniformTabsTest, ControlsStandAtTheirTwipsPlacesAlsoWhenShownLate) {
  const auto inside = [](const QWidget* w, const QWidget* in) {
    return QRect(w->mapTo(in, QPoint()), w->size());
  };
  EXPECT_EQ(tabs.size(), QSize(201, 141));
  EXPECT_EQ(inside(tabs.swatch(200), &tabs), QRect(64, 40, 13, 13));
  tabs.setCurrentIndex(0);  // the HOME grid's rows stand 15 twips lower; the AWAY grid is hidden
  QApplication::processEvents();
  EXPECT_EQ(inside(tabs.swatch(82), &tabs), QRect(4, 124, 13, 13));  // row 7, column 0
  EXPECT_FALSE(tabs.swatch(200)->isVisible());
  QWidget window;
  auto* late = new UniformTabs(&window);
  late->hide();
  window.show();
  late->show();
  QApplication::processEvents();
  EXPECT_EQ(inside(late->swatch(200), late), QRect(64, 40, 13, 13));
}

}  // namespace
}  // namespace quarven::ui
