// The editing panel's text boxes: showing, hiding and emptying the panel, the whole-text selection on
// focus, the typing limit (which cuts typing and pasting, never what the program sets) and menu keys.

#include <QClipboard>

#include "editor_fixture.h"
#include "key_input.h"

namespace quarven::ui {
namespace {

using testing::allLineSlots;
using testing::rowBoxes;

// noshowboxes hides the panel but not the toolbar and keeps texts; showboxes shows it all but the rows.
TEST(Form1Panel, HidingKeepsToolbarAndTextsAndShowingLeavesThePlayerRowsHidden) {
  Form1 form;
  testing::showEditingPanel(form);
  std::vector<QWidget*> panel{form.Label1, form.Label4, form.Label5, form.Label6,  form.Label15,
                              form.Text10, form.Text12, form.SSTab1, form.Command1};
  panel.insert(panel.end(), form.Text11.begin(), form.Text11.end());
  for (TextBox* box : allLineSlots(form)) panel.push_back(box);
  const std::vector<TextBox*> rows = rowBoxes(form);
  const auto shownCount = [](const auto& controls) {
    return std::count_if(controls.begin(), controls.end(), [](QWidget* w) { return w->isVisible(); });
  };
  form.Text3[4]->showText(QStringLiteral("12"));
  form.noshowboxes();
  EXPECT_EQ(shownCount(panel) + shownCount(rows), 0);
  EXPECT_TRUE(form.Toolbar1->isVisible());
  EXPECT_EQ(form.Text3[4]->text(), QStringLiteral("12"));
  form.Toolbar1->hide();
  form.showboxes();
  EXPECT_EQ(shownCount(panel), std::ssize(panel));
  EXPECT_TRUE(form.Toolbar1->isVisible());
  EXPECT_EQ(shownCount(rows), 0);
}

TEST(Form1Panel, ClearEmptiesRowsSlotsAndAbbreviationOnly) {
  Form1 form;
  for (TextBox* box : rowBoxes(form)) box->showText(QStringLiteral("9"));  // hidden rows too
  for (TextBox* box : allLineSlots(form)) box->showText(QStringLiteral("7"));
  form.Text12->showText(QStringLiteral("BOS"));
  form.Text10->showText(QStringLiteral("Bruins"));
  form.Label4->setText(QStringLiteral("BOSTON BRUINS"));
  form.clearboxes();
  QString left = form.Text12->text();
  for (TextBox* box : rowBoxes(form)) left += box->text();
  for (TextBox* box : allLineSlots(form)) left += box->text();
  EXPECT_EQ(left, "");
  EXPECT_EQ(form.Text10->text() + "|" + form.Label4->text() + "|" + form.Text11[0]->text(),
            "Bruins|BOSTON BRUINS|SCORING 1");
}

// Focus coming from another control selects the whole text of a typing box, so typing replaces it;
// line names and handler indexes outside the sets select nothing.
TEST(Form1Panel, TypingBoxesSelectTheirWholeTextOnFocus) {
  Form1 form;
  form.Text10->setEnabled(true);
  testing::showEditingPanel(form);
  const auto focus = [&](TextBox* box) {
    form.Toolbar1->button(1)->setFocus(Qt::OtherFocusReason);
    box->setFocus(Qt::OtherFocusReason);
    return std::pair(box->selectedText(), box->cursorPosition());
  };
  std::vector<TextBox*> boxes{form.Text0[0], form.Text1[24], form.Text10, form.Text12};
  for (TextBox* box : allLineSlots(form)) boxes.push_back(box);
  for (TextBox* box : boxes) {
    box->showText(QStringLiteral("42"));
    box->setCursorPosition(1);
    EXPECT_EQ(focus(box), std::pair(QStringLiteral("42"), 2)) << box->objectName().toStdString();
  }
  focus(form.Text0[4]);
  testing::typeText(form.Text0[4], QStringLiteral("8"));
  EXPECT_EQ(form.Text0[4]->text(), QStringLiteral("8"));
  focus(form.Text11[2]);
  EXPECT_FALSE(form.Text11[2]->hasSelectedText());
  form.Text8_GotFocus(4);  // Text8 has boxes 0..3
  form.Text0_GotFocus(-1);
  form.Text1_GotFocus(25);
}

TEST(TextBox, TypingAndPastingStopAtTheLimitProgramTextIsKeptWhole) {
  const struct {
    int typingLimit;
    const char *before, *typed, *after;
    int selectFrom = -1, selectLength = 0;  // -1: caret at the end, nothing selected
  } cases[] = {
      {2, "", "123", "12"},         {0, "", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {2, "12", "9", "19", 1, 1},   {2, "ABC", "D", "ABC"},  // over the limit, set by the program
      {2, "ABC", "XY", "XY", 0, 3}, {2, "ABC", "X", "ABC", 0, 1},
  };
  for (const auto& c : cases) {
    TextBox box;
    box.setTypingLimit(c.typingLimit);
    box.showText(QString::fromLatin1(c.before));
    if (c.selectFrom >= 0) box.setSelection(c.selectFrom, c.selectLength);
    testing::typeText(&box, QString::fromLatin1(c.typed));
    EXPECT_EQ(box.text(), QString::fromLatin1(c.after)) << c.before << " + " << c.typed;
  }
  TextBox box;
  box.setTypingLimit(2);
  box.showText(QStringLiteral("ANH"));
  box.setTypingLimit(1);  // a new limit does not cut either
  box.end(false);
  testing::pressKey(&box, Qt::Key_Backspace);
  EXPECT_EQ(box.text(), QStringLiteral("AN"));
  box.setTypingLimit(3);
  box.showText(QStringLiteral("A"));
  box.end(false);
  QGuiApplication::clipboard()->setText(QStringLiteral("BCDEF"));
  testing::pressKey(&box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box.text(), QStringLiteral("ABC"));
  EXPECT_EQ(box.cursorPosition(), 3);
}

// Ctrl+A ("QUARVEN Editor") and Ctrl+D (abbreviation option) go to the menu; copy stays with the box.
TEST(TextBox, MenuShortcutsWinOverEditingKeys) {
  Form1 form;
  EXPECT_FALSE(testing::wantsShortcut(form.Text12, Qt::CTRL | Qt::Key_A));
  EXPECT_FALSE(testing::wantsShortcut(form.Text1[0], Qt::CTRL | Qt::Key_D));
  EXPECT_TRUE(testing::wantsShortcut(form.Text12, Qt::CTRL | Qt::Key_C));
}

}  // namespace
}  // namespace quarven::ui
