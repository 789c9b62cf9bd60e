#include "ui/part_selectors.h"

#include <QFontDatabase>

#include "colours/swatch_data.h"
#include "platform/system_colours.h"
#include "ui/twips.h"
#include "ui/uniform_cell.h"

namespace quarven::ui {

namespace {

// "Small Fonts" where the desktop has it, else a small sans face of the same size.
QFont selectorFont() {
  QFont font(QFontDatabase::hasFamily("Small Fonts") ? "Small Fonts" : "Liberation Sans");
  font.setPointSizeF(6.75);
  return font;
}

}  // namespace

PartSelectors::PartSelectors(colours::Side tab, QWidget* canvas) : QObject(canvas) {
  const QFont font = selectorFont();
  for (int k = 0; k < colours::kPartCount; ++k) {
    const auto slot = colours::partSlot(k);
    auto* cell = new UniformCell(canvas);
    cell->setGeometry(twipsToPixels(*colours::selectorPlace(tab, k)));
    cell->setFont(font);
    cell->setCaption(QString::fromLatin1(slot->code));
    cell->setToolTip(QString::fromLatin1(slot->toolTip));
    cell->setBackColour(platform::GetSysColor(platform::COLOR_ACTIVECAPTION));
    // Sleeve is selected at start; the others show the window colour until the first click.
    cell->setTextColour(k == 0 ? colours::kSelectedPartTextColour
                               : platform::GetSysColor(platform::COLOR_WINDOW));
    connect(cell, &UniformCell::clicked, this, [this, k] { emit clicked(k); });
    cells_[static_cast<std::size_t>(k)] = cell;
  }
}

void PartSelectors::select(int part) {
  if (!selector(part)) return;
  for (UniformCell* cell : cells_) cell->setTextColour(colours::kOtherPartTextColour);
  selector(part)->setTextColour(colours::kSelectedPartTextColour);
}

std::optional<int> PartSelectors::selectedPart() const {
  for (int k = 0; k < colours::kPartCount; ++k)
    if (cells_[static_cast<std::size_t>(k)]->textColour() == colours::kSelectedPartTextColour) return k;
  return std::nullopt;
}

UniformCell* PartSelectors::selector(int part) const {
  if (part < 0 || part >= colours::kPartCount) return nullptr;
  return cells_[static_cast<std::size_t>(part)];
}

}  // namespace quarven::ui
