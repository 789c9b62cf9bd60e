// Showing, hiding and emptying the editing panel as a whole.

#include <QLabel>
#include <QPushButton>

#include "ui/form1.h"
#include "ui/team_toolbar.h"
#include "ui/text_box.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {

std::vector<QWidget*> Form1::panelControls() const {
  std::vector<QWidget*> controls{Label1, Label4, Label5, Label6, Text10, Label15, Text12, SSTab1};
  controls.insert(controls.end(), Text11.begin(), Text11.end());
  for (int line = 0; line < kLines; ++line)
    for (TextBox* box : lineSlots(line)) controls.push_back(box);
  controls.push_back(Command1);
  return controls;
}

// Leaves the team name, the banner, the line names and the colours as they are.
void Form1::clearboxes() {
  for (int row = 0; row < kPlayerRows; ++row) {
    Text0[row]->showText(QString());
    Text1[row]->showText(QString());
    Text2[row]->showText(QString());
  }
  for (int line = 0; line < kLines; ++line)
    for (TextBox* box : lineSlots(line)) box->showText(QString());
  Text12->showText(QString());
}

// The player rows stay as they are: team load shows the rows the team uses.
void Form1::showboxes() {
  for (QWidget* control : panelControls()) control->show();
  Toolbar1->show();
}

// Hides the player rows too; the toolbar keeps its visibility.
void Form1::noshowboxes() {
  for (int row = 0; row < kPlayerRows; ++row) {
    Text0[row]->hide();
    Text1[row]->hide();
    Text2[row]->hide();
  }
  for (QWidget* control : panelControls()) control->hide();
}

}  // namespace quarven::ui
