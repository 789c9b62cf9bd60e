// The uniform tabs: part groups painted on the figures, the part selectors and the swatch grid.

#include "ui/uniform_tabs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>

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

  UniformTabs tabs;
};

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
