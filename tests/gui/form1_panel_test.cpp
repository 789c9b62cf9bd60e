// Showing, hiding and emptying the editing panel, and the whole-text selection on focus.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include "form1_test_support.h"
#include "key_input.h"
#include "ui/team_toolbar.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {
namespace {

using testing::allLineSlots;
using testing::rowBoxes;

// The panel without the player rows and the toolbar.
std::vector<QWidget*> panelWithoutRows(Form1& form) {
  std::vector<QWidget*> controls{form.Label1, form.Label4, form.Label5, form.Label6,  form.Label15,
                                 form.Text10, form.Text12, form.SSTab1, form.Command1};
  controls.insert(controls.end(), form.Text11.begin(), form.Text11.end());
  for (TextBox* box : allLineSlots(form)) controls.push_back(box);
  return controls;
}

TEST(Form1Panel, HidingKeepsToolbarAndTextsAndShowingLeavesThePlayerRowsHidden) {
  Form1 form;
  testing::showEditingPanel(form);
  form.Text1[2]->setText(QStringLiteral("KEPT"));
  form.Text3[4]->setText(QStringLiteral("12"));
  form.noshowboxes();
  for (QWidget* control : panelWithoutRows(form)) EXPECT_FALSE(control->isVisible());
  for (QWidget* box : rowBoxes(form)) EXPECT_FALSE(box->isVisible());
  EXPECT_TRUE(form.Toolbar1->isVisible());
  EXPECT_EQ(form.Text1[2]->text(), QStringLiteral("KEPT"));
  EXPECT_EQ(form.Text3[4]->text(), QStringLiteral("12"));

  form.Toolbar1->hide();
  form.noshowboxes();
  EXPECT_FALSE(form.Toolbar1->isVisible());
  form.showboxes();
  for (QWidget* control : panelWithoutRows(form)) EXPECT_TRUE(control->isVisible());
  EXPECT_TRUE(form.Toolbar1->isVisible());
  for (QWidget* box : rowBoxes(form)) EXPECT_FALSE(box->isVisible());
}

TEST(Form1Panel, ClearEmptiesRowsSlotsAndAbbreviationOnly) {
  Form1 form;
  for (TextBox* box : rowBoxes(form)) box->setText(QStringLiteral("9"));  // hidden rows too
  for (TextBox* box : allLineSlots(form)) box->setText(QStringLiteral("7"));
  form.Text12->setText(QStringLiteral("BOS"));
  form.Text10->setText(QStringLiteral("Bruins"));
  form.Label4->setText(QStringLiteral("BOSTON BRUINS"));

  form.clearboxes();
  for (TextBox* box : rowBoxes(form)) EXPECT_TRUE(box->text().isEmpty());
  for (TextBox* box : allLineSlots(form)) EXPECT_TRUE(box->text().isEmpty());
  EXPECT_TRUE(form.Text12->text().isEmpty());
  EXPECT_EQ(form.Text10->text(), QStringLiteral("Bruins"));
  EXPECT_EQ(form.Label4->text(), QStringLiteral("BOSTON BRUINS"));
  EXPECT_EQ(form.Text11[0]->text(), QStringLiteral("SCORING 1"));
  EXPECT_FALSE(form.Text10->isEnabled());
  EXPECT_TRUE(form.Text12->isEnabled());
}

class Form1Focus : public ::testing::Test {
 protected:
  void SetUp() override {
    form.Text10->setEnabled(true);
    testing::showEditingPanel(form);
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
  form.Text0[3]->setText(QString());
  EXPECT_EQ(focus(form.Text0[3]), std::make_pair(QString(), 0));
  form.Text0[4]->setText(QStringLiteral("27"));
  focus(form.Text0[4]);
  testing::typeText(form.Text0[4], QStringLiteral("8"));
  EXPECT_EQ(form.Text0[4]->text(), QStringLiteral("8"));
}

TEST_F(Form1Focus, LineNamesAndIndexesOutsideTheSetSelectNothing) {
  focus(form.Text11[2]);
  EXPECT_FALSE(form.Text11[2]->hasSelectedText());
  form.Text8[0]->setText(QStringLiteral("5"));
  form.Text8_GotFocus(4);  // Text8 has boxes 0..3
  form.Text0_GotFocus(-1);
  form.Text1_GotFocus(25);
  EXPECT_FALSE(form.Text8[0]->hasSelectedText());
}

}  // namespace
}  // namespace quarven::ui
