#pragma once
// The swatch grid of one uniform tab: the tab's 93 Label11 swatches, each a colour to paint a
// uniform part with.

#include <QObject>
#include <array>
#include <cstdint>

#include "colours/swatch_data.h"

class QWidget;

namespace quarven::ui {

class UniformCell;

class SwatchGrid : public QObject {
  Q_OBJECT
 public:
  // Creates the tab's swatches on its canvas, whose origin is the tab control's top-left corner.
  SwatchGrid(colours::Side tab, QWidget* canvas);

  // The swatch with this Label11 index, or null when it is not on this tab.
  UniformCell* swatch(int index) const;

 signals:
  void clicked(int index);
  void mouseMoved(int index);

 private:
  std::array<UniformCell*, colours::kSwatchIndexCount> cells_{};
};

}  // namespace quarven::ui
