#include "ui/swatch_grid.h"

#include "ui/twips.h"
#include "ui/uniform_cell.h"

namespace quarven::ui {

SwatchGrid::SwatchGrid(colours::Side tab, QWidget* canvas) : QObject(canvas) {
  for (int row = 0; row < colours::kSwatchRows; ++row)
    for (int column = 0; column < colours::kSwatchColumns; ++column) {
      const auto index = colours::swatchAt(tab, row, column);
      if (!index) continue;
      auto* cell = new UniformCell(canvas);
      cell->setGeometry(twipsToPixels(*colours::swatchRect(*index)));
      cell->setBackColour(colours::kSwatchStartColour);
      const int i = *index;
      connect(cell, &UniformCell::clicked, this, [this, i] { emit clicked(i); });
      connect(cell, &UniformCell::mouseMoved, this, [this, i] { emit mouseMoved(i); });
      cells_[static_cast<std::size_t>(i)] = cell;
    }
}

UniformCell* SwatchGrid::swatch(int index) const {
  if (index < 0 || index >= colours::kSwatchIndexCount) return nullptr;
  return cells_[static_cast<std::size_t>(index)];
}

}  // namespace quarven::ui
