// The editing panel's text boxes: showing and hiding the panel, the whole-text selection on
// focus, the typing limit (which cuts typing and pasting, never what the program sets) and menu keys.

#include <QClipboard>

#include "editor_fixture.h"
#include "key_input.h"

namespace quarven::ui {
namespace {

using testing::allLineSlots;
using testing::rowBoxes;

// noshowboxes hides the panel but not the toolbar and keeps texts; showboxes shows it all but the rows.
// (clearboxes is also followed through "Open &Rom" in open_sequence_test.cpp.)
TEST(Form1Panel, HidingKeepsToolbarAndTextsAndShowingLeavesThePlayerRowsHidden) {
  Form1 form;
  testing::showEditingPanel(form);
  const std::vector<TextBox*> rows = rowBoxes(form);
  form.Text3[4]->showText(QStringLiteral("12"));
  form.noshowboxes();
  for (const QWidget* c : testing::controls(form))
    EXPECT_EQ(c->isVisible(), c == form.Toolbar1 || c == form.Text13) << c->metaObject()->className();
  EXPECT_EQ(form.Text3[4]->text(), QStringLiteral("12"));
  form.Toolbar1->hide();
  form.showboxes();
  for (const QWidget* c : testing::controls(form))
    EXPECT_EQ(c->isVisible(), c != form.Label3 && std::ranges::count(rows, c) == 0)
        << c->metaObject()->className();
}

// clearboxes empties all 25 rows (hidden ones too), the line slots and the abbreviation; the team
// name, the banner and the line names stay.
TEST(Form1Panel, ClearEmptiesRowsSlotsAndAbbreviationOnly) {
  Form1 form;
  for (TextBox* box : rowBoxes(form)) box->showText(QStringLiteral("9"));
  for (TextBox* box : allLineSlots(form)) box->showText(QStringLiteral("7"));
  form.Text12->showText(QStringLiteral("BOS"));
  form.Text10->showText(QStringLiteral("Bruins"));
  form.Label4->setText(QStringLiteral("BOSTON BRUINS"));
  QStringList lineNames;
  for (const TextBox* name : form.Text11) lineNames << name->text();
  form.clearboxes();
  QString left = form.Text12->text();
  for (TextBox* box : rowBoxes(form)) left += box->text();
  for (TextBox* box : allLineSlots(form)) left += box->text();
  EXPECT_EQ(left, "");
  EXPECT_EQ(form.Text10->text() + "|" + form.Label4->text(), "Bruins|BOSTON BRUINS");
  QStringList namesAfter;
  for (const TextBox* name : form.Text11) namesAfter << name->text();
  EXPECT_EQ(namesAfter, lineNames);
  EXPECT_EQ(lineNames.first(), "SCORING 1");
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
  for (TextBox* box : form.findChildren<TextBox*>()) box->showText(QStringLiteral("42"));
  form.Text8_GotFocus(4);  // Text8 has boxes 0..3: indexes outside a set select nothing
  form.Text0_GotFocus(-1);
  form.Text1_GotFocus(25);
  for (const TextBox* box : form.findChildren<TextBox*>())
    EXPECT_FALSE(box->hasSelectedText()) << box->objectName().toStdString();
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
  box.showText(QStringLiteral("LAK"));  // longer than the limit: deleting still works
  box.end(false);
  testing::pressKey(&box, Qt::Key_Backspace);
  EXPECT_EQ(box.text(), QStringLiteral("LA"));
  box.setTypingLimit(1);  // a new limit does not cut either
  EXPECT_EQ(box.text(), QStringLiteral("LA"));
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
