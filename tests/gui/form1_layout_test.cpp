// The main window as it starts: geometry, start states, toolbar, help text and Tab order.

#include <QFontMetrics>
#include <QImage>
#include <QSet>

#include "editor_fixture.h"
#include "key_input.h"
#include "rom/team_table.h"
#include "ui/artwork.h"
#include "ui/help_box.h"
#include "ui/help_text.h"

namespace quarven::ui {
namespace {

TEST(Form1Layout, FixedSizeWindowWithControlsWhereTheTwipsTablePutsThem) {
  Form1 form;
  const struct {
    QWidget* control;
    int left, top, width, height;  // twips, 15 to the pixel
  } cases[] = {
      {form.Toolbar1, 0, 0, 5925, 750},       {form.Text1[12], 345, 4590, 2136, 336},
      {form.Text3[4], 4005, 4935, 372, 336},  {form.Text9[0], 5085, 6870, 372, 336},
      {form.Command1, 2940, 7560, 2850, 750}, {form.Text13, 5940, 60, 4335, 8235},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.control->geometry(), QRect(c.left / 15, c.top / 15, (c.width + 7) / 15, (c.height + 7) / 15))
        << c.left << "," << c.top;
    EXPECT_EQ(c.control->parentWidget(), form.centralWidget());
  }
  EXPECT_EQ(form.windowTitle(), QStringLiteral("QUARVEN EDITOR"));
  EXPECT_EQ(form.centralWidget()->size(), QSize(395, 565));  // 5925 x 8475 twips
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
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
  hidden.insert(hidden.end(), form.Text11.begin(), form.Text11.end());
  for (TextBox* box : testing::rowBoxes(form)) hidden.push_back(box);
  for (TextBox* box : testing::allLineSlots(form)) {
    hidden.push_back(box);
    EXPECT_EQ(box->typingLimit(), 2);
  }
  for (QWidget* control : hidden) EXPECT_FALSE(control->isVisible()) << control->metaObject()->className();
  EXPECT_TRUE(form.Text13->isVisible());
  const auto limits = [](TextBox* box) { return std::pair(box->typingLimit(), box->isEnabled()); };
  EXPECT_EQ(limits(form.Text0[24]), std::pair(2, true));
  EXPECT_EQ(limits(form.Text1[24]), std::pair(0, true));
  EXPECT_EQ(limits(form.Text2[24]), std::pair(2, false));
  EXPECT_FALSE(form.Text10->isEnabled());              // team-name change off
  EXPECT_EQ(limits(form.Text12), std::pair(0, true));  // abbreviation change on
  EXPECT_EQ(form.SSTab1->currentIndex(), 1);
  EXPECT_TRUE(form.Text11[0]->isReadOnly());
}

// 4,361 characters in 140 lines of at most 45, CR LF each; each line fits the shown box beside its
// scroll bar; the program's name between colon rows, then the three sections in order.
TEST(Form1Layout, HelpTextOf140LinesEachOnOneLineOfTheBox) {
  Form1 form;
  form.show();
  form.mnhHelp_Click();
  const QString text = helpText();
  EXPECT_EQ(text.size(), 4361);
  ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
  const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
  EXPECT_EQ(lines.size(), 140);
  const QFontMetrics metrics(form.Text13->font());
  const int room = form.Text13->viewport()->width() - 2 * int(form.Text13->document()->documentMargin());
  QStringList titles;  // lines underlined with dashes
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString& line = lines[i];
    EXPECT_TRUE(line.size() <= 45 && !line.contains('\r') && !line.contains('\n')) << line.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
    if (i + 1 < lines.size() && lines[i + 1].startsWith(QStringLiteral("---"))) titles << line;
  }
  EXPECT_EQ(titles, QStringList({"INTRODUCTION", "KNOWN BUGS", "HOW TO USE"}));
  EXPECT_TRUE(lines[0].startsWith(':') && lines[1].contains(QStringLiteral("QUARVEN EDITOR")) &&
              lines[2] == lines[0]);
  EXPECT_EQ(lines.last(), QStringLiteral("DOUBLE CLICK TO CLOSE HELP."));
}

TEST(Form1Layout, ToolbarButtonsInTeamOrderWithTooltipsInsideTheBar) {
  Form1 form;
  for (int number = 1; number <= TeamToolbar::kButtonCount; ++number) {
    const QString key = QString::fromLatin1(teamByIndex(number - 1).key);
    EXPECT_EQ(form.Toolbar1->key(number), key);
    EXPECT_EQ(form.Toolbar1->button(number)->toolTip(),
              number == 28 ? QStringLiteral("All Starts West") : key);
    EXPECT_TRUE(form.Toolbar1->rect().contains(form.Toolbar1->button(number)->geometry())) << number;
  }
  EXPECT_EQ(form.Toolbar1->key(28), QStringLiteral("All Stars West"));
}

// Tab walks the grids, SAVE, the toolbar as one stop and on to the uniform tabs; in the toolbar the
// arrow keys move between the buttons, Return and Space press the focused one, and Tab comes back to
// the button focused last.
TEST(Form1Layout, TabKeyFollowsTheGridsThenSaveToolbarAndTabs) {
  Form1 form;
  testing::showEditingPanel(form);
  form.Text0[0]->setFocus(Qt::OtherFocusReason);
  QApplication::processEvents();
  std::vector<QWidget*> expected;
  for (int row = 0; row < Form1::kPlayerRows; ++row)
    expected.insert(expected.end(), {form.Text0[row], form.Text1[row]});
  for (int line = 0; line < Form1::kLines; ++line) {
    const auto boxes = form.lineSlots(line);
    expected.insert(expected.end(), boxes.rbegin(), boxes.rend());  // LD first
  }
  expected.insert(expected.end(), {form.Text12, form.Command1, form.Toolbar1->button(1)});
  std::vector<QWidget*> visited{QApplication::focusWidget()};
  while (visited.size() <= expected.size()) {
    testing::pressKey(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  }
  QWidget* const tabs = visited.back();
  EXPECT_TRUE(form.SSTab1->isAncestorOf(tabs));
  visited.pop_back();
  EXPECT_EQ(visited, expected);

  QStringList pressed;
  QObject::connect(form.Toolbar1, &TeamToolbar::buttonClick, [&](const QString& key) { pressed << key; });
  const std::pair<int, QWidget*> steps[] = {
      {Qt::Key_Backtab, form.Toolbar1->button(1)},  {Qt::Key_Left, form.Toolbar1->button(28)},
      {Qt::Key_Up, form.Toolbar1->button(14)},      {Qt::Key_Right, form.Toolbar1->button(15)},
      {Qt::Key_Down, form.Toolbar1->button(15)},    {Qt::Key_Return, form.Toolbar1->button(15)},
      {Qt::Key_Space, form.Toolbar1->button(15)},   {Qt::Key_Tab, tabs},
      {Qt::Key_Backtab, form.Toolbar1->button(15)}, {Qt::Key_Backtab, form.Command1},
  };
  for (const auto& [key, focused] : steps) {
    testing::pressKey(QApplication::focusWidget(), key,
                      key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget(), focused) << key;
  }
  EXPECT_EQ(pressed, QStringList({form.Toolbar1->key(15), form.Toolbar1->key(15)}));
}

}  // namespace
}  // namespace quarven::ui
