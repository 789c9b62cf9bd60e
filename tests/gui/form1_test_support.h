#pragma once
// Reaching the main window's box sets and showing its editing panel as a team load leaves it.

#include <QApplication>
#include <vector>

#include "ui/form1.h"
#include "ui/text_box.h"

namespace quarven::testing {

inline std::vector<ui::TextBox*> allLineSlots(ui::Form1& form) {
  std::vector<ui::TextBox*> boxes;
  for (int line = 0; line < ui::Form1::kLines; ++line)
    for (ui::TextBox* box : form.lineSlots(line)) boxes.push_back(box);
  return boxes;
}

// Text0, Text1 and Text2 of every player row.
inline std::vector<ui::TextBox*> rowBoxes(ui::Form1& form) {
  std::vector<ui::TextBox*> boxes;
  for (int row = 0; row < ui::Form1::kPlayerRows; ++row)
    boxes.insert(boxes.end(), {form.Text0[row], form.Text1[row], form.Text2[row]});
  return boxes;
}

// The window shown and active with the panel and all 25 player rows showing.
inline void showEditingPanel(ui::Form1& form) {
  form.show();
  form.showboxes();
  for (ui::TextBox* box : rowBoxes(form)) box->show();
  form.activateWindow();
  QApplication::setActiveWindow(&form);
  QApplication::processEvents();
}

}  // namespace quarven::testing
