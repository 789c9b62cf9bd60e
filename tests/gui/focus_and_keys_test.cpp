// Focus that shows where it is and keys that act on it: the uniform tabs frame the selected caption
// while they have the focus, a team button clicked with the mouse becomes the toolbar's stop, and
// Return or keypad Enter press a focused SAVE once per key press, and an Alt chord never types into
// a box.

#include <QTabBar>

#include "editor_fixture.h"
#include "key_input.h"

namespace quarven::testing {
namespace {

using FocusAndKeys = EditorFixture;
const QString kSaved = QStringLiteral("Your changes have been saved.");

void startWithPanel(EditorFixture& fixture) {
  fixture.startWith();
  fixture.pressTeam(QStringLiteral("Bruins"));
  showEditingPanel(fixture.form);
}

// A repeat is what the keyboard sends while the key is held down, e.g. behind the message the first
// press brought up.
TEST_F(FocusAndKeys, ReturnAndKeypadEnterPressAFocusedSaveOncePerKeyPress) {
  startWithPanel(*this);
  const struct {
    int key;
    Qt::KeyboardModifiers modifiers;
    bool repeat;
    int saves;
  } cases[] = {{Qt::Key_Return, Qt::NoModifier, false, 1},
               {Qt::Key_Enter, Qt::KeypadModifier, false, 1},
               {Qt::Key_Return, Qt::NoModifier, true, 0},
               {Qt::Key_Enter, Qt::KeypadModifier, true, 0}};
  for (const auto& c : cases) {
    form.Command1->setFocus(Qt::TabFocusReason);
    boxes.calls.clear();
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, QStringLiteral("\r"), c.repeat);
    QApplication::sendEvent(QApplication::focusWidget(), &press);
    EXPECT_EQ(boxes.texts(), std::vector<QString>(std::size_t(c.saves), kSaved)) << c.key << " " << c.repeat;
  }
}

// The pixels that focus changes on the tab row: a dotted frame within the selected tab only.
TEST_F(FocusAndKeys, UniformTabsFrameTheSelectedCaptionWhileTheyHaveTheFocus) {
  startWithPanel(*this);
  QTabBar* bar = form.SSTab1->tabBar();
  for (const int selected : {1, 0}) {
    form.SSTab1->setCurrentIndex(selected);
    form.Command1->setFocus(Qt::TabFocusReason);
    const QImage unfocused = bar->grab().toImage();
    bar->setFocus(Qt::TabFocusReason);
    const QImage focused = bar->grab().toImage();
    ASSERT_EQ(focused.size(), unfocused.size());
    int inside = 0, outside = 0;
    for (int y = 0; y < focused.height(); ++y)
      for (int x = 0; x < focused.width(); ++x)
        if (focused.pixel(x, y) != unfocused.pixel(x, y))
          ++(bar->tabRect(selected).contains(x, y) && focused.pixel(x, y) == qRgb(0, 0, 0) ? inside
                                                                                           : outside);
    EXPECT_GT(inside, 50) << "tab " << selected;
    EXPECT_EQ(outside, 0) << "tab " << selected;
  }
}

// Clicked while the toolbar has the focus, a button takes it; clicked while another control has it,
// the button is where Tab enters the toolbar next.
TEST_F(FocusAndKeys, ATeamButtonClickedWithTheMouseBecomesTheToolbarStop) {
  startWithPanel(*this);
  ui::TeamToolbar& bar = *form.Toolbar1;
  bar.button(19)->setFocus(Qt::TabFocusReason);
  click(bar.button(2));
  EXPECT_EQ(QApplication::focusWidget(), bar.button(2));

  form.Text1[0]->setFocus(Qt::MouseFocusReason);
  click(bar.button(5));
  form.Command1->setFocus(Qt::TabFocusReason);
  pressKey(form.Command1, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), bar.button(5));
}

// Alt+F and Alt+Shift+O type nothing into a name, a number or the abbreviation box; AltGr, and
// Ctrl+Alt as some systems report it, type their characters.
TEST_F(FocusAndKeys, AnAltChordNeverTypesIntoABoxAndAltGrDoes) {
  startWithPanel(*this);
  const std::pair<const char*, ui::TextBox*> boxes[] = {
      {"Text1(0)", form.Text1[0]}, {"Text0(3)", form.Text0[3]}, {"Text12", form.Text12}};
  for (const auto& [named, box] : boxes) {
    const QString before = box->text();
    box->setFocus(Qt::TabFocusReason);  // the whole text selected, as a user's next key replaces it
    pressKey(box, Qt::Key_F, Qt::AltModifier, QStringLiteral("f"));
    pressKey(box, Qt::Key_O, Qt::AltModifier | Qt::ShiftModifier, QStringLiteral("O"));
    EXPECT_EQ(box->text(), before) << named;
    EXPECT_FALSE(box->userEdited()) << named;
  }
  ui::TextBox* name = form.Text1[0];
  name->setFocus(Qt::TabFocusReason);
  name->end(false);
  const QString before = name->text();
  pressKey(name, Qt::Key_Q, Qt::GroupSwitchModifier, QStringLiteral("@"));
  pressKey(name, Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QStringLiteral("E"));
  EXPECT_EQ(name->text(), before + QStringLiteral("@E"));
}

}  // namespace
}  // namespace quarven::testing
