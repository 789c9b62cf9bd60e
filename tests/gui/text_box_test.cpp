// The text box's typing limit, its whole-text selection on focus and its yielding to menu keys.

#include "ui/text_box.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMainWindow>

#include "key_input.h"
#include "ui/form1.h"

namespace quarven::ui {
namespace {

using testing::pressKey;
using testing::typeText;

struct TypingCase {
  const char* name;
  int maxLength;
  const char* before;
  int selectFrom, selectLength;  // -1: caret at the end, nothing selected
  const char* typed;
  const char* after;
};

class TypingLimit : public ::testing::TestWithParam<TypingCase> {};

TEST_P(TypingLimit, TypingStopsAtTheLimit) {
  const TypingCase& c = GetParam();
  TextBox box;
  box.setMaxLength(c.maxLength);
  box.setText(QString::fromLatin1(c.before));
  if (c.selectFrom >= 0) box.setSelection(c.selectFrom, c.selectLength);
  typeText(&box, QString::fromLatin1(c.typed));
  EXPECT_EQ(box.text(), QString::fromLatin1(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypingLimit,
    ::testing::Values(TypingCase{"UpToTheLimit", 2, "", -1, 0, "123", "12"},
                      TypingCase{"NoLimit", 0, "", -1, 0, "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
                      TypingCase{"ReplacingSelection", 2, "12", 0, 2, "7", "7"},
                      TypingCase{"ReplacingOneOfTwo", 2, "12", 1, 1, "9", "19"},
                      TypingCase{"FullBoxRefusesMore", 3, "ABC", -1, 0, "D", "ABC"},
                      TypingCase{"LongProgramTextRefusesMore", 2, "ABC", -1, 0, "D", "ABC"},
                      TypingCase{"LongProgramTextReplacedWhole", 2, "ABC", 0, 3, "XY", "XY"},
                      TypingCase{"LongProgramTextRefusesSwap", 2, "ABC", 0, 1, "X", "ABC"}),
    [](const ::testing::TestParamInfo<TypingCase>& info) { return std::string(info.param.name); });

TEST(TextBox, TextSetByTheProgramIsKeptWhole) {
  TextBox box;
  box.setMaxLength(2);
  box.setText(QStringLiteral("ANH"));
  EXPECT_EQ(box.text(), QStringLiteral("ANH"));
  box.setMaxLength(1);  // a new limit does not cut either
  EXPECT_EQ(box.text(), QStringLiteral("ANH"));
  EXPECT_EQ(box.maxLength(), 1);
}

TEST(TextBox, DeletingFromAnOverlongTextWorks) {
  TextBox box;
  box.setMaxLength(2);
  box.setText(QStringLiteral("ANH"));
  box.end(false);
  pressKey(&box, Qt::Key_Backspace);
  EXPECT_EQ(box.text(), QStringLiteral("AN"));
}

TEST(TextBox, PasteIsCutToTheRoomLeft) {
  TextBox box;
  box.setMaxLength(3);
  box.setText(QStringLiteral("A"));
  box.end(false);
  QGuiApplication::clipboard()->setText(QStringLiteral("BCDEF"));
  pressKey(&box, Qt::Key_V, Qt::ControlModifier);
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
