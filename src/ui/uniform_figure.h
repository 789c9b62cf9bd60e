#pragma once
// One uniform figure picture (Picture1 HOME, Picture2 AWAY): its Label9 boxes in their part
// colours and its fixed Label10 pieces, drawn from the figure data.

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "colours/uniform_figure_data.h"

namespace quarven::ui {

class UniformFigure : public QWidget {
  Q_OBJECT
 public:
  UniformFigure(colours::Side side, QWidget* parent = nullptr);

  // Sets every box of part group k (0..9) to a display colour 0x00BBGGRR, in painting order.
  void paintPartGroup(int part, std::uint32_t colour);
  // Display colour of one of this figure's Label9 boxes; nothing for another index.
  std::optional<std::uint32_t> boxColour(int index) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  colours::Side side_;
  std::array<std::uint32_t, colours::kFigureBoxCount> colours_{};
};

}  // namespace quarven::ui
