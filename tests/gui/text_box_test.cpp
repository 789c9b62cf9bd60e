// The text box's typing limit, which cuts what the user types or pastes but never what the program
// sets, and its yielding to menu keys.

#include "ui/text_box.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "key_input.h"
#include "ui/form1.h"

namespace quarven::ui {
namespace {

TEST(TextBox, TypingStopsAtTheLimit) {
  const struct {
    int maxLength;
    const char* before;
    int selectFrom, selectLength;  // -1: caret at the end, nothing selected
    const char* typed;
    const char* after;
  } cases[] = {
      {2, "", -1, 0, "123", "12"},
      {0, "", -1, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {2, "12", 1, 1, "9", "19"},
      {2, "ABC", -1, 0, "D", "ABC"},  // over the limit, set by the program
      {2, "ABC", 0, 3, "XY", "XY"},
      {2, "ABC", 0, 1, "X", "ABC"},
  };
  for (const auto& c : cases) {
    TextBox box;
    box.setMaxLength(c.maxLength);
    box.setText(QString::fromLatin1(c.before));
    if (c.selectFrom >= 0) box.setSelection(c.selectFrom, c.selectLength);
    testing::typeText(&box, QString::fromLatin1(c.typed));
    EXPECT_EQ(box.text(), QString::fromLatin1(c.after)) << c.before << " + " << c.typed;
  }
}

TEST(TextBox, ProgramTextIsKeptWholeDeletingWorksAndPasteIsCut) {
  TextBox box;
  box.setMaxLength(2);
  box.setText(QStringLiteral("ANH"));
  box.setMaxLength(1);  // a new limit does not cut either
  box.end(false);
  testing::pressKey(&box, Qt::Key_Backspace);
  EXPECT_EQ(box.text(), QStringLiteral("AN"));

  box.setMaxLength(3);
  box.setText(QStringLiteral("A"));
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
