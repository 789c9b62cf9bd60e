// The text box's typing limit, which cuts what the user types but never what the program sets, and its
// yielding to menu keys.

#include "ui/text_box.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "key_input.h"
#include "ui/form1.h"

namespace quarven::ui {
namespace {

TEST(TextBox, TypingStopsAtTheLimit) {
  struct Case {
    int maxLength;
    const char* before;
    int selectFrom, selectLength;  // -1: caret at the end, nothing selected
    const char* typed;
    const char* after;
  };
  const Case cases[] = {
      {2, "", -1, 0, "123", "12"},
      {0, "", -1, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
      {2, "12", 0, 2, "7", "7"},
      {2, "12", 1, 1, "9", "19"},
      {3, "ABC", -1, 0, "D", "ABC"},
      {2, "ABC", -1, 0, "D", "ABC"},  // longer than the limit, set by the program
      {2, "ABC", 0, 3, "XY", "XY"},
      {2, "ABC", 0, 1, "X", "ABC"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.before) + " + " + c.typed);
    TextBox box;
    box.setMaxLength(c.maxLength);
    box.setText(QString::fromLatin1(c.before));
    if (c.selectFrom >= 0) box.setSelection(c.selectFrom, c.selectLength);
    testing::typeText(&box, QString::fromLatin1(c.typed));
    EXPECT_EQ(box.text(), QString::fromLatin1(c.after));
  }
}

TEST(TextBox, ProgramTextIsKeptWholeDeletingWorksAndPasteIsCut) {
  TextBox box;
  box.setMaxLength(2);
  box.setText(QStringLiteral("ANH"));
  box.setMaxLength(1);  // a new limit does not cut either
  EXPECT_EQ(box.text(), QStringLiteral("ANH"));
  EXPECT_EQ(box.maxLength(), 1);
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

TEST(TextBox, MenuShortcutsWinOverEditingKeys) {
  Form1 form;
  // Ctrl+A is "QUARVEN Editor", Ctrl+D the abbreviation option: the box leaves them to the menu.
  EXPECT_FALSE(testing::wantsShortcut(form.Text12, Qt::CTRL | Qt::Key_A));
  EXPECT_FALSE(testing::wantsShortcut(form.Text1[0], Qt::CTRL | Qt::Key_D));
  // Copy is not a menu key, so the box keeps it.
  EXPECT_TRUE(testing::wantsShortcut(form.Text12, Qt::CTRL | Qt::Key_C));
}

}  // namespace
}  // namespace quarven::ui
