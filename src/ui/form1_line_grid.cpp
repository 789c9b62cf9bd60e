// The line grid: the seven line names and their slot boxes under LD, RD, LW, C and RW.

#include "platform/system_colours.h"
#include "ui/client_area.h"
#include "ui/control_style.h"
#include "ui/form1.h"
#include "ui/text_box.h"
#include "ui/twips.h"

namespace quarven::ui {

namespace {
constexpr std::array<int, Form1::kLines> kLineTops{4935, 5250, 5580, 5910, 6225, 6555, 6870};
constexpr std::array<const char*, Form1::kLines> kLineNames{
    "SCORING 1", "SCORING 2", "CHECKING", "POW. PLAY 1", "POW. PLAY 2", "PEN. KILL 1", "PEN. KILL 2"};
// Lefts of the columns LD, RD, LW, C, RW.
constexpr std::array<int, 5> kColumnLefts{4005, 4365, 4725, 5085, 5445};
constexpr int kBoxHeight = 336;
}  // namespace

void Form1::buildLineGrid() {
  for (int line = 0; line < kLines; ++line) {
    const int top = kLineTops[static_cast<std::size_t>(line)];
    auto* name = new TextBox(client_);
    name->setGeometry(twipsRect(2925, top, 1092, kBoxHeight));
    name->showText(QString::fromLatin1(kLineNames[static_cast<std::size_t>(line)]));
    name->setReadOnly(true);
    // No border and the least margins: "POW. PLAY 1" needs the whole width of the box.
    name->setFrame(false);
    name->setTextMargins(-1, 0, -1, 0);
    name->setFocusPolicy(Qt::ClickFocus);  // not a Tab stop: nothing to type there
    name->setFont(arialBold(8.25));
    setSystemColours(name, platform::COLOR_CAPTIONTEXT, platform::COLOR_HIGHLIGHT);
    name->hide();
    Text11[line] = name;

    // Box index counts from the right: the highest index is LD. Created LD first, the Tab order.
    std::span<TextBox*> boxes = lineSlots(line);
    const int count = static_cast<int>(boxes.size());
    for (int index = count - 1; index >= 0; --index) {
      const int column = count - 1 - index;
      boxes[index] = makeEntryBox(
          client_, twipsRect(kColumnLefts[static_cast<std::size_t>(column)], top, 372, kBoxHeight), 2,
          Qt::AlignCenter);
    }
  }
}

}  // namespace quarven::ui
