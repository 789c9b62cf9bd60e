// The main window as it starts: geometry, start states, toolbar, help box and Tab order.

#include <QAction>
#include <QFontMetrics>
#include <QImage>
#include <QSet>

#include "editor_fixture.h"
#include "key_input.h"
#include "platform/system_colours.h"
#include "platform/window_api.h"
#include "rom/team_table.h"
#include "ui/artwork.h"
#include "ui/help_text.h"

namespace quarven::ui {
namespace {

TEST(Form1Layout, FixedSizeWindowWithControlsWhereTheTwipsTablePutsThemAndStartStates) {
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
  EXPECT_EQ(rinkScene().size(), QSize(543, 614));
  const QImage rink = rinkScene().toImage().convertToFormat(QImage::Format_RGB32);
  QSet<QRgb> rinkColours;  // a picture of at most 256 colours
  for (int y = 0; y < rink.height(); ++y)
    for (int x = 0; x < rink.width(); ++x) rinkColours.insert(rink.pixel(x, y));
  EXPECT_LE(rinkColours.size(), 256);
  const QImage save = form.Command1->grab().toImage();  // a flat face inside its raised edge
  EXPECT_EQ(platform::toDisplayColour(save.pixelColor(5, 25)),
            platform::GetSysColor(platform::COLOR_INACTIVEBORDER));

  form.show();  // at start every control is hidden but the help box
  for (const QWidget* c : testing::controls(form))
    EXPECT_EQ(c->isVisible(), c == form.Text13) << c->metaObject()->className();
  for (TextBox* box : testing::allLineSlots(form)) EXPECT_EQ(box->typingLimit(), 2);
  const auto limits = [](TextBox* box) { return std::pair(box->typingLimit(), box->isEnabled()); };
  EXPECT_EQ(limits(form.Text0[24]), std::pair(2, true));
  EXPECT_EQ(limits(form.Text1[24]), std::pair(0, true));
  EXPECT_EQ(limits(form.Text2[24]), std::pair(2, false));
  EXPECT_FALSE(form.Text10->isEnabled());              // team-name change off
  EXPECT_EQ(limits(form.Text12), std::pair(0, true));  // abbreviation change on
  EXPECT_EQ(form.SSTab1->currentIndex(), 1);
  EXPECT_TRUE(form.Text11[0]->isReadOnly());
}

// "Show &Help Box" widens the window (once), a double click on the box narrows it; "Always On &Top"
// keeps the window's place too. The help text: 4,361 characters in 140 lines of at most 45, CR LF
// each, each fitting the box beside its scroll bar; the name between colon rows, then three sections.
TEST(Form1Layout, HelpBoxAndAlwaysOnTopFromTheMenuWithEachLineOfTheHelpTextOnOneLine) {
  Form1 form;
  form.show();
  const QRect before = form.geometry();
  form.mnhHelp->trigger();
  form.mnhHelp->trigger();
  EXPECT_EQ(form.centralWidget()->width(), 692);  // outer 10470 twips less the border
  EXPECT_TRUE(form.centralWidget()->rect().contains(form.Text13->geometry()));
  EXPECT_EQ(form.height(), before.height());
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
  testing::sendMouse(form.Text13->viewport(), QEvent::MouseButtonDblClick, QPointF(20, 20));
  EXPECT_EQ(form.geometry(), before);
  EXPECT_GE(form.Text13->x(), form.centralWidget()->width());

  form.mnuTop->trigger();  // twice, then normal: the window stays where it was
  form.mnuTop->trigger();
  EXPECT_TRUE(platform::IsTopMost(&form));
  form.mnuNotTop->trigger();
  EXPECT_FALSE(platform::IsTopMost(&form));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.geometry(), before);
}

// The toolbar's buttons in team order with their tooltips. Tab walks the grids, SAVE, the toolbar as
// one stop and on to the uniform tabs; in the toolbar the arrow keys move between the buttons, Return
// and Space press the focused one, and Tab comes back to the button focused last.
TEST(Form1Layout, ToolbarButtonsAndTheTabKeyThroughGridsSaveToolbarAndTabs) {
  Form1 form;
  testing::showEditingPanel(form);
  for (int number = 1; number <= TeamToolbar::kButtonCount; ++number) {
    const QString key = QString::fromLatin1(teamByIndex(number - 1).key);
    EXPECT_EQ(form.Toolbar1->key(number), key);
    EXPECT_EQ(form.Toolbar1->button(number)->toolTip(),
              number == 28 ? QStringLiteral("All Starts West") : key);
    EXPECT_TRUE(form.Toolbar1->rect().contains(form.Toolbar1->button(number)->geometry())) << number;
  }
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
