// Showing, hiding and emptying the editing panel, and the whole-text selection on focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "key_input.h"
#include "ui/form1.h"
#include "ui/team_toolbar.h"
#include "ui/text_box.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {
namespace {

std::vector<TextBox*> allLineSlots(Form1& form) {
  std::vector<TextBox*> boxes;
  for (int line = 0; line < Form1::kLines; ++line)
    for (TextBox* box : form.lineSlots(line)) boxes.push_back(box);
  return boxes;
}

// The panel without the player rows and the toolbar.
std::vector<QWidget*> panelWithoutRows(Form1& form) {
  std::vector<QWidget*> controls{form.Label1, form.Label4, form.Label5, form.Label6,  form.Label15,
                                 form.Text10, form.Text12, form.SSTab1, form.Command1};
  controls.insert(controls.end(), form.Text11.begin(), form.Text11.end());
  for (TextBox* box : allLineSlots(form)) controls.push_back(box);
  return controls;
}

void showRows(Form1& form, int count) {
  for (int row = 0; row < count; ++row)
    for (TextBox* box : {form.Text0[row], form.Text1[row], form.Text2[row]}) box->show();
}

TEST(Form1Panel, HideThenShowLeavesEveryPlayerRowHidden) {
  Form1 form;
  form.show();
  form.showboxes();
  showRows(form, 25);
  form.noshowboxes();
  form.showboxes();
  for (QWidget* control : panelWithoutRows(form)) EXPECT_TRUE(control->isVisible());
  EXPECT_TRUE(form.Toolbar1->isVisible());
  for (int row = 0; row < Form1::kPlayerRows; ++row)
    for (TextBox* box : {form.Text0[row], form.Text1[row], form.Text2[row]})
      EXPECT_FALSE(box->isVisible()) << row;
}

TEST(Form1Panel, HidingKeepsTheToolbarAndTheTexts) {
  Form1 form;
  form.show();
  form.Toolbar1->show();
  form.showboxes();
  showRows(form, 3);
  form.Text1[2]->setText(QStringLiteral("KEPT"));
  form.Text3[4]->setText(QStringLiteral("12"));
  form.noshowboxes();
  for (QWidget* control : panelWithoutRows(form)) EXPECT_FALSE(control->isVisible());
  EXPECT_FALSE(form.Text1[2]->isVisible());
  EXPECT_TRUE(form.Toolbar1->isVisible());
  EXPECT_EQ(form.Text1[2]->text(), QStringLiteral("KEPT"));
  EXPECT_EQ(form.Text3[4]->text(), QStringLiteral("12"));

  form.Toolbar1->hide();
  form.noshowboxes();
  EXPECT_FALSE(form.Toolbar1->isVisible());
}

TEST(Form1Panel, ClearEmptiesRowsSlotsAndAbbreviationOnly) {
  Form1 form;
  for (int row = 0; row < Form1::kPlayerRows; ++row) {  // rows that are hidden too
    form.Text0[row]->setText(QStringLiteral("9"));
    form.Text1[row]->setText(QStringLiteral("NAME"));
    form.Text2[row]->setText(QStringLiteral("1"));
  }
  for (TextBox* box : allLineSlots(form)) box->setText(QStringLiteral("7"));
  form.Text12->setText(QStringLiteral("BOS"));
  form.Text10->setText(QStringLiteral("Bruins"));
  form.Label4->setText(QStringLiteral("BOSTON BRUINS"));
  form.mnuTeamNameChange->setEnabled(false);

  form.clearboxes();
  for (int row = 0; row < Form1::kPlayerRows; ++row)
    for (TextBox* box : {form.Text0[row], form.Text1[row], form.Text2[row]})
      EXPECT_TRUE(box->text().isEmpty()) << row;
  for (TextBox* box : allLineSlots(form)) EXPECT_TRUE(box->text().isEmpty());
  EXPECT_TRUE(form.Text12->text().isEmpty());
  EXPECT_EQ(form.Text10->text(), QStringLiteral("Bruins"));
  EXPECT_EQ(form.Label4->text(), QStringLiteral("BOSTON BRUINS"));
  EXPECT_EQ(form.Text11[0]->text(), QStringLiteral("SCORING 1"));
  EXPECT_FALSE(form.Text10->isEnabled());
  EXPECT_TRUE(form.Text12->isEnabled());
  EXPECT_FALSE(form.Text12->isVisible());
}

class Form1Focus : public ::testing::Test {
 protected:
  void SetUp() override {
    form.show();
    form.showboxes();
    showRows(form, 25);
    form.Text10->setEnabled(true);
    form.activateWindow();
    QApplication::setActiveWindow(&form);
    QApplication::processEvents();
  }
  // Focus moves to the box from another one; returns the selected text and the caret.
  std::pair<QString, int> focus(TextBox* box) {
    form.Toolbar1->button(1)->setFocus(Qt::OtherFocusReason);
    box->setFocus(Qt::OtherFocusReason);
    return {box->selectedText(), box->cursorPosition()};
  }
  Form1 form;
};

TEST_F(Form1Focus, TypingBoxesSelectTheirWholeTextOnFocus) {
  std::vector<TextBox*> boxes{form.Text0[0], form.Text1[24], form.Text10, form.Text12};
  for (TextBox* box : allLineSlots(form)) boxes.push_back(box);
  for (TextBox* box : boxes) {
    box->setText(QStringLiteral("42"));
    box->setCursorPosition(1);
    EXPECT_EQ(focus(box), std::make_pair(QStringLiteral("42"), 2));
  }
}

TEST_F(Form1Focus, EmptyBoxSelectsNothingAndTypedDigitReplacesNumber) {
  form.Text0[3]->setText(QString());
  EXPECT_EQ(focus(form.Text0[3]), std::make_pair(QString(), 0));

  form.Text0[4]->setText(QStringLiteral("27"));
  focus(form.Text0[4]);
  testing::typeText(form.Text0[4], QStringLiteral("8"));
  EXPECT_EQ(form.Text0[4]->text(), QStringLiteral("8"));
}

TEST_F(Form1Focus, LineNamesAreNotSelectedOnFocus) {
  focus(form.Text11[2]);
  EXPECT_FALSE(form.Text11[2]->hasSelectedText());
}

TEST_F(Form1Focus, HandlersIgnoreIndexesOutsideTheirSet) {
  form.Text8[0]->setText(QStringLiteral("5"));
  form.Text8_GotFocus(4);  // Text8 has boxes 0..3
  form.Text0_GotFocus(-1);
  form.Text1_GotFocus(25);
  EXPECT_FALSE(form.Text8[0]->hasSelectedText());
}

}  // namespace
}  // namespace quarven::ui
