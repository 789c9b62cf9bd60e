// The player grid: per row the number, the name and the "R" column.

#include "ui/client_area.h"
#include "ui/control_style.h"
#include "ui/form1.h"
#include "ui/text_box.h"
#include "ui/twips.h"

namespace quarven::ui {

namespace {
constexpr std::array<int, Form1::kPlayerRows> kRowTops{1125, 1410, 1710, 1995, 2280, 2565, 2850, 3150, 3435,
                                                       3720, 4005, 4290, 4590, 4875, 5160, 5445, 5730, 6030,
                                                       6315, 6600, 6885, 7200, 7500, 7800, 8100};
constexpr int kRowHeight = 336;
}  // namespace

void Form1::buildPlayerGrid() {
  for (int row = 0; row < kPlayerRows; ++row) {
    const int top = kRowTops[static_cast<std::size_t>(row)];
    Text0[row] = makeEntryBox(client_, twipsRect(60, top, 336, kRowHeight), 2, Qt::AlignCenter);
    Text1[row] = makeEntryBox(client_, twipsRect(345, top, 2136, kRowHeight), 0);
  }
  // The "R" boxes never take the focus, so they come after the focus chain's typing boxes.
  for (int row = 0; row < kPlayerRows; ++row) {
    const int top = kRowTops[static_cast<std::size_t>(row)];
    Text2[row] = makeEntryBox(client_, twipsRect(2430, top, 372, kRowHeight), 2, Qt::AlignCenter);
    Text2[row]->setEnabled(false);
  }
}

}  // namespace quarven::ui
