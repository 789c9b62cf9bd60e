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

// noshowboxes hides the panel but not the toolbar and keeps texts; showboxes shows it all but the rows.
TEST(Form1Panel, HidingKeepsToolbarAndTextsAndShowingLeavesThePlayerRowsHidden) {
  Form1 form;
  testing::showEditingPanel(form);
  std::vector<QWidget*> panel{form.Label1, form.Label4, form.Label5, form.Label6,  form.Label15,
                              form.Text10, form.Text12, form.SSTab1, form.Command1};
  panel.insert(panel.end(), form.Text11.begin(), form.Text11.end());
  for (TextBox* box : allLineSlots(form)) panel.push_back(box);
  const auto shownCount = [](const std::vector<QWidget*>& controls) {
    return std::count_if(controls.begin(), controls.end(), [](QWidget* w) { return w->isVisible(); });
  };
  const std::vector<TextBox*> rowList = rowBoxes(form);
  const std::vector<QWidget*> rows(rowList.begin(), rowList.end());
  form.Text3[4]->setText(QStringLiteral("12"));
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
  for (TextBox* box : rowBoxes(form)) box->setText(QStringLiteral("9"));  // hidden rows too
  for (TextBox* box : allLineSlots(form)) box->setText(QStringLiteral("7"));
  form.Text12->setText(QStringLiteral("BOS"));
  form.Text10->setText(QStringLiteral("Bruins"));
  form.Label4->setText(QStringLiteral("BOSTON BRUINS"));
  form.clearboxes();
  QString left;
  for (TextBox* box : rowBoxes(form)) left += box->text();
  for (TextBox* box : allLineSlots(form)) left += box->text();
  EXPECT_EQ(left + form.Text12->text(), "");
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
    box->setText(QStringLiteral("42"));
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

}  // namespace
}  // namespace quarven::ui
