#include "ui/uniform_tabs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <array>
#include <set>
#include <vector>

#include "colours/swatch_data.h"
#include "key_input.h"
#include "platform/system_colours.h"
#include "ui/twips.h"
#include "ui/uniform_cell.h"
#include "ui/uniform_figure.h"

namespace quarven::ui {
namespace {

using colours::kPartCount;
using platform::COLOR_BACKGROUND;
using platform::COLOR_WINDOW;
using platform::GetSysColor;

constexpr Side kSides[] = {Side::Home, Side::Away};
constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kWhite = 0xFFFFFF;

class UniformTabsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    tabs.show();
    QApplication::processEvents();
  }

  std::array<std::uint32_t, colours::kFigureBoxCount> boxColours() const {
    std::array<std::uint32_t, colours::kFigureBoxCount> all{};
    for (int i = 0; i < colours::kFigureBoxCount; ++i) all[static_cast<std::size_t>(i)] = tabs.boxColour(i);
    return all;
  }

  // Every group of both sides in its own colour, as a team load leaves them.
  void paintAllGroups() {
    for (Side side : kSides)
      for (int k = 0; k < kPartCount; ++k) tabs.paintPartGroup(side, k, groupColour(side, k));
  }
  static std::uint32_t groupColour(Side side, int k) {
    return 0x102030u + static_cast<std::uint32_t>(k) * 0x000008u + (side == Side::Away ? 0x400000u : 0u);
  }

  std::set<int> changedBoxesAfter(auto action) {
    const auto before = boxColours();
    action();
    const auto after = boxColours();
    std::set<int> changed;
    for (int i = 0; i < colours::kFigureBoxCount; ++i)
      if (before[static_cast<std::size_t>(i)] != after[static_cast<std::size_t>(i)]) changed.insert(i);
    return changed;
  }

  QRect inControl(const QWidget* widget) const {
    return QRect(widget->mapTo(&tabs, QPoint(0, 0)), widget->size());
  }

  UniformTabs tabs;
};

TEST_F(UniformTabsTest, PaintingAGroupChangesExactlyThatGroupsBoxes) {
  paintAllGroups();
  for (Side side : kSides)
    for (int k = 0; k < kPartCount; ++k) {
      const auto group = colours::partGroup(side, k);
      const auto changed = changedBoxesAfter([&] { tabs.paintPartGroup(side, k, 0xABCDEF); });
      EXPECT_EQ(changed, std::set<int>(group.begin(), group.end())) << "side " << int(side) << " part " << k;
      for (int box : group) EXPECT_EQ(tabs.boxColour(box), 0xABCDEFu);
      tabs.paintPartGroup(side, k, groupColour(side, k));
    }
  for (int slot = 0; slot < 2 * kPartCount; ++slot)
    EXPECT_EQ(tabs.sampleColour(slot), groupColour(slot < kPartCount ? Side::Home : Side::Away, slot % 10));
  // Parts outside the map change nothing.
  EXPECT_TRUE(changedBoxesAfter([&] {
                tabs.paintPartGroup(Side::Home, kPartCount, 1);
                tabs.paintPartGroup(Side::Away, -1, 1);
              }).empty());
}

TEST_F(UniformTabsTest, FiguresShowGroupColoursAndKeepFacesAndPieces) {
  paintAllGroups();
  tabs.applySwatchColourList();
  for (int swatch : {3, 40, 92}) tabs.Label11_Click(swatch);
  for (Side side : kSides) {
    UniformFigure* figure = tabs.figure(side);
    const QImage image = figure->grab().toImage();
    auto shown = [&](const colours::TwipsRect& place) {
      return platform::toDisplayColour(image.pixelColor(twipsToPixels(place).center()));
    };
    for (int i = 0; i < colours::kFigureBoxCount; ++i) {
      const auto box = colours::figureBox(i);
      if (box->side != side) continue;
      if (box->part == colours::kNoPart) {
        EXPECT_EQ(tabs.boxColour(i), colours::kUnpaintedBoxColour) << i;
      }
      // Two AWAY boxes placed by hand lie over a neighbour's centre: 93 over 91, 149 over 153.
      const int onTop = i == 91 ? 93 : i == 153 ? 149 : i;
      EXPECT_EQ(shown(box->place), tabs.boxColour(onTop)) << "box " << i;
    }
    for (const colours::FixedPiece& piece : colours::fixedPieces(side))
      EXPECT_EQ(shown(piece.place), piece.desktopColour ? GetSysColor(COLOR_BACKGROUND) : piece.colour)
          << "piece " << piece.index;
  }
}

TEST_F(UniformTabsTest, EachTabKeepsItsOwnSelectedPart) {
  EXPECT_EQ(tabs.selector(Side::Away, 1)->textColour(), GetSysColor(COLOR_WINDOW));
  tabs.Label8_Click(3);
  tabs.Label8_Click(3);  // again: still the only red one
  for (int k = 0; k < kPartCount; ++k)
    EXPECT_EQ(tabs.selector(Side::Home, k)->textColour(), k == 3 ? kRed : kWhite) << k;
  tabs.setCurrentIndex(1);
  testing::click(tabs.selector(Side::Away, 5));
  for (int bad : {-1, kPartCount}) {
    tabs.Label8_Click(bad);
    tabs.Label12_Click(bad);
  }
  EXPECT_EQ(tabs.selectedPart(Side::Home), 3);
  EXPECT_EQ(tabs.selectedPart(Side::Away), 5);
}

TEST_F(UniformTabsTest, SwatchClickRecoloursTheCurrentTabsSelectedPart) {
  paintAllGroups();
  tabs.applySwatchColourList();
  tabs.Label12_Click(4);  // AWAY's choice does not matter while HOME is current
  tabs.setCurrentIndex(0);
  tabs.Label8_Click(2);
  const auto socks = colours::partGroup(Side::Home, 2);
  EXPECT_EQ(changedBoxesAfter([&] { testing::click(tabs.swatch(62)); }),
            std::set<int>(socks.begin(), socks.end()));
  EXPECT_EQ(tabs.sampleColour(2), 0xA89020u);
  // A click that is no swatch changes nothing.
  EXPECT_TRUE(changedBoxesAfter([&] {
                for (int bad : {-1, 93, 124, 218}) tabs.Label11_Click(bad);
              }).empty());
}

TEST_F(UniformTabsTest, ControlsStandAtTheirTwipsPlacesAlsoWhenShownLate) {
  EXPECT_EQ(tabs.size(), QSize(201, 141));
  EXPECT_EQ(tabs.currentIndex(), 1);
  tabs.setCurrentIndex(0);
  QApplication::processEvents();
  EXPECT_EQ(inControl(tabs.Picture1()), QRect(4, 40, 62, 84));
  EXPECT_EQ(inControl(tabs.swatch(82)), QRect(4, 124, 13, 13));  // row 7, column 0
  EXPECT_EQ(inControl(tabs.selector(Side::Home, 2)), QRect(36, 28, 22, 13));
  EXPECT_FALSE(tabs.swatch(200)->isVisible());

  // Inside a window that shows the control only later, as the editing panel does.
  QWidget window;
  auto* late = new UniformTabs(&window);
  late->hide();
  window.show();
  late->show();
  QApplication::processEvents();
  EXPECT_EQ(QRect(late->swatch(200)->mapTo(late, QPoint(0, 0)), late->swatch(200)->size()),
            QRect(64, 40, 13, 13));
}

}  // namespace
}  // namespace quarven::ui
