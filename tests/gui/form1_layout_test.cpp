// The main window as it starts: geometry, start states, menus, toolbar, help text and Tab order.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QToolButton>

#include "form1_test_support.h"
#include "key_input.h"
#include "ui/artwork.h"
#include "ui/form1.h"
#include "ui/help_box.h"
#include "ui/help_text.h"
#include "ui/team_toolbar.h"
#include "ui/text_box.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {
namespace {

// Twips at 15 to the pixel.
QRect fromTwips(int left, int top, int width, int height) {
  return {left / 15, top / 15, (width + 7) / 15, (height + 7) / 15};
}

TEST(Form1Layout, FixedSizeWindowWithControlsWhereTheTwipsTablePutsThem) {
  Form1 form;
  const struct {
    const char* name;
    QWidget* control;
    QRect twips;
  } cases[] = {
      {"Toolbar1", form.Toolbar1, {0, 0, 5925, 750}},
      {"Text1(12)", form.Text1[12], {345, 4590, 2136, 336}},
      {"SSTab1", form.SSTab1, {2880, 1260, 3015, 2115}},
      {"Text3(4) LD", form.Text3[4], {4005, 4935, 372, 336}},
      {"Text9(0) C", form.Text9[0], {5085, 6870, 372, 336}},
      {"Command1", form.Command1, {2940, 7560, 2850, 750}},
      {"Text13", form.Text13, {5940, 60, 4335, 8235}},
  };
  for (const auto& c : cases) {
    const QRect expected = fromTwips(c.twips.x(), c.twips.y(), c.twips.width(), c.twips.height());
    EXPECT_EQ(c.control->geometry(), expected) << c.name;
    EXPECT_EQ(c.control->parentWidget(), form.centralWidget()) << c.name;
  }
  EXPECT_EQ(form.windowTitle(), QStringLiteral("QUARVEN EDITOR"));
  EXPECT_EQ(form.centralWidget()->size(), QSize(395, 565));  // 5925 x 8475 twips
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST(Form1Layout, BackgroundPictureIs543By614InAtMost256Colours) {
  const QImage picture = rinkScene().toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(picture.size(), QSize(543, 614));
  QSet<QRgb> colours;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) colours.insert(picture.pixel(x, y));
  EXPECT_LE(colours.size(), 256);
}

TEST(Form1Layout, StartsWithThePanelHiddenAndBoxesAtTheirLimitsAndStates) {
  Form1 form;
  form.show();
  std::vector<QWidget*> hidden{form.Toolbar1, form.Label1, form.Label3,  form.Label4,
                               form.Label5,   form.Label6, form.Label15, form.Text10,
                               form.Text12,   form.SSTab1, form.Command1};
  for (TextBox* box : testing::rowBoxes(form)) hidden.push_back(box);
  for (int row = 0; row < Form1::kPlayerRows; ++row) {
    EXPECT_EQ(form.Text0[row]->maxLength(), 2);
    EXPECT_EQ(form.Text1[row]->maxLength(), 0);
    EXPECT_EQ(form.Text2[row]->maxLength(), 2);
    EXPECT_TRUE(form.Text0[row]->isEnabled());
    EXPECT_FALSE(form.Text2[row]->isEnabled());
  }
  hidden.insert(hidden.end(), form.Text11.begin(), form.Text11.end());
  for (TextBox* box : testing::allLineSlots(form)) {
    hidden.push_back(box);
    EXPECT_EQ(box->maxLength(), 2);
  }
  for (QWidget* control : hidden) EXPECT_FALSE(control->isVisible()) << control->metaObject()->className();
  EXPECT_TRUE(form.Text13->isVisible());
  EXPECT_FALSE(form.Text10->isEnabled());  // team-name change off
  EXPECT_TRUE(form.Text12->isEnabled());   // abbreviation change on
  EXPECT_EQ(form.Text12->maxLength(), 0);
  EXPECT_EQ(form.SSTab1->currentIndex(), 1);
  EXPECT_TRUE(form.Text11[0]->isReadOnly());
}

TEST(Form1Layout, HelpTextHasItsFixedShape) {
  const QString text = helpText();
  EXPECT_EQ(text.size(), 4361);
  ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
  const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.size(), 140);
  for (const QString& line : lines) {
    EXPECT_LE(line.size(), 45) << line.toStdString();
    EXPECT_FALSE(line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n'))) << line.toStdString();
  }
  EXPECT_EQ(lines.last(), QStringLiteral("DOUBLE CLICK TO CLOSE HELP."));
}

TEST(Form1Layout, MenusCarryTheirCaptionsAndShortcuts) {
  Form1 form;
  const struct {
    QAction* item;
    QMenu* menu;
    const char* caption;
    const char* shortcut;
  } items[] = {
      {form.mnuOpen, form.mnuFile, "Open &Rom", "Ctrl+R"},
      {form.mnuQuit, form.mnuFile, "&Quit", "Ctrl+Q"},
      {form.mnhHelp, form.mnuAbout, "Show &Help Box", "Ctrl+H"},
      {form.mnuTop, form.mnuAbout, "Always On &Top", "Ctrl+T"},
      {form.mnuNotTop, form.mnuAbout, "&Not Always On Top", "Ctrl+N"},
      {form.mnuTeamNameChange, form.mnuAbout, "Enable Team Name Change", ""},
      {form.mnudisAbbrev, form.mnuAbout, "Disable Team Abbreviation Change", "Ctrl+D"},
      {form.mnuAboutQUARVEN, form.mnuAbout, "QUARVEN Editor", "Ctrl+A"},
  };
  int position = 0;
  QMenu* lastMenu = nullptr;
  for (const auto& i : items) {
    if (i.menu != lastMenu) position = 0, lastMenu = i.menu;
    EXPECT_EQ(i.item->text(), QString::fromLatin1(i.caption));
    EXPECT_EQ(i.item->shortcut().toString(), QString::fromLatin1(i.shortcut)) << i.caption;
    EXPECT_EQ(i.menu->actions().value(position++), i.item) << i.caption;
  }
}

TEST(Form1Layout, ToolbarButtonsCarryTeamKeysAndTooltipsInsideTheBar) {
  Form1 form;
  const char* const keys[] = {
      "Mighty Ducks", "Bruins",      "Sabres",  "Flames",   "Blackhawks", "Stars",          "Red Wings",
      "Oilers",       "Panthers",    "Whalers", "Kings",    "Canadians",  "Devils",         "Islanders",
      "Rangers",      "Senators",    "Flyers",  "Penguins", "Nordiques",  "Sharks",         "Blues",
      "Lightning",    "Maple Leafs", "Canucks", "Capitals", "Jets",       "All Stars East", "All Stars West"};
  for (int number = 1; number <= 28; ++number) {
    const QString key = QString::fromLatin1(keys[number - 1]);
    EXPECT_EQ(form.Toolbar1->key(number), key);
    const QString tooltip = number == 28 ? QStringLiteral("All Starts West") : key;
    EXPECT_EQ(form.Toolbar1->button(number)->toolTip(), tooltip);
    EXPECT_TRUE(form.Toolbar1->rect().contains(form.Toolbar1->button(number)->geometry())) << number;
  }
}

TEST(Form1Layout, TabKeyFollowsTheGridsThenSaveAndToolbar) {
  Form1 form;
  testing::showEditingPanel(form);
  form.Text0[0]->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), form.Text0[0]);

  std::vector<QWidget*> expected;
  for (int row = 0; row < Form1::kPlayerRows; ++row)
    expected.insert(expected.end(), {form.Text0[row], form.Text1[row]});
  for (int line = 0; line < Form1::kLines; ++line) {
    const auto boxes = form.lineSlots(line);
    for (auto box = boxes.rbegin(); box != boxes.rend(); ++box) expected.push_back(*box);  // LD first
  }
  expected.push_back(form.Text12);
  expected.push_back(form.Command1);
  for (int number = 1; number <= TeamToolbar::kButtonCount; ++number)
    expected.push_back(form.Toolbar1->button(number));

  std::vector<QWidget*> visited{QApplication::focusWidget()};
  while (visited.size() < expected.size()) {
    testing::pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  EXPECT_EQ(visited, expected);
}

}  // namespace
}  // namespace quarven::ui
