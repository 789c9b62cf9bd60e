// Tab order and the whole-text selection of the typing boxes when they receive the focus.

#include <QPushButton>
#include <QToolButton>

#include "ui/form1.h"
#include "ui/team_toolbar.h"
#include "ui/text_box.h"

namespace quarven::ui {

namespace {
TextBox* boxAt(std::span<TextBox* const> boxes, int index) {
  return index >= 0 && static_cast<std::size_t>(index) < boxes.size() ? boxes[static_cast<std::size_t>(index)]
                                                                      : nullptr;
}

// Selects the whole text of a box, caret at its end (at 0 when empty).
void selectWholeText(TextBox* box) {
  if (box) box->setSelection(0, static_cast<int>(box->text().size()));
}
}  // namespace

void Form1::Text0_GotFocus(int Index) {
  selectWholeText(boxAt(Text0, Index));
}
void Form1::Text1_GotFocus(int Index) {
  selectWholeText(boxAt(Text1, Index));
}
void Form1::Text3_GotFocus(int Index) {
  selectWholeText(boxAt(Text3, Index));
}
void Form1::Text4_GotFocus(int Index) {
  selectWholeText(boxAt(Text4, Index));
}
void Form1::Text5_GotFocus(int Index) {
  selectWholeText(boxAt(Text5, Index));
}
void Form1::Text6_GotFocus(int Index) {
  selectWholeText(boxAt(Text6, Index));
}
void Form1::Text7_GotFocus(int Index) {
  selectWholeText(boxAt(Text7, Index));
}
void Form1::Text8_GotFocus(int Index) {
  selectWholeText(boxAt(Text8, Index));
}
void Form1::Text9_GotFocus(int Index) {
  selectWholeText(boxAt(Text9, Index));
}
void Form1::Text10_GotFocus() {
  selectWholeText(Text10);
}
void Form1::Text12_GotFocus() {
  selectWholeText(Text12);
}

void Form1::connectFocusHandlers() {
  using IndexedHandler = void (Form1::*)(int);
  const auto connectSet = [this](std::span<TextBox* const> boxes, IndexedHandler handler) {
    for (int index = 0; index < static_cast<int>(boxes.size()); ++index)
      connect(boxes[static_cast<std::size_t>(index)], &TextBox::gotFocus, this,
              [this, handler, index] { (this->*handler)(index); });
  };
  connectSet(Text0, &Form1::Text0_GotFocus);
  connectSet(Text1, &Form1::Text1_GotFocus);
  constexpr std::array<IndexedHandler, kLines> kLineHandlers{
      &Form1::Text3_GotFocus, &Form1::Text4_GotFocus, &Form1::Text5_GotFocus, &Form1::Text6_GotFocus,
      &Form1::Text7_GotFocus, &Form1::Text8_GotFocus, &Form1::Text9_GotFocus};
  for (int line = 0; line < kLines; ++line)
    connectSet(lineSlots(line), kLineHandlers[static_cast<std::size_t>(line)]);
  connect(Text10, &TextBox::gotFocus, this, &Form1::Text10_GotFocus);
  connect(Text12, &TextBox::gotFocus, this, &Form1::Text12_GotFocus);
}

// Player rows (number, name), each line's slots from LD to RW, the abbreviation, SAVE and the
// toolbar, whose buttons are one stop. The uniform tabs with their contents, the team name and the
// help box follow in the order they were built.
void Form1::orderTabStops() {
  std::vector<QWidget*> order;
  for (int row = 0; row < kPlayerRows; ++row) {
    order.push_back(Text0[row]);
    order.push_back(Text1[row]);
  }
  for (int line = 0; line < kLines; ++line) {
    const auto boxes = lineSlots(line);
    for (auto box = boxes.rbegin(); box != boxes.rend(); ++box) order.push_back(*box);
  }
  order.push_back(Text12);
  order.push_back(Command1);
  for (int number = 1; number <= TeamToolbar::kButtonCount; ++number)
    order.push_back(Toolbar1->button(number));
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace quarven::ui
