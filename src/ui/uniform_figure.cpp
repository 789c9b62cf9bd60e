#include "ui/uniform_figure.h"

#include <QPainter>

#include "platform/system_colours.h"
#include "ui/twips.h"

namespace quarven::ui {

using colours::figureBox;

UniformFigure::UniformFigure(colours::Side side, QWidget* parent) : QWidget(parent), side_(side) {
  setGeometry(twipsToPixels(colours::kFigurePicturePlace));
  // Boxes of a group start black until their first painting; the face and hands keep theirs.
  for (int i = 0; i < colours::kFigureBoxCount; ++i)
    if (figureBox(i)->part == colours::kNoPart)
      colours_[static_cast<std::size_t>(i)] = colours::kUnpaintedBoxColour;
}

void UniformFigure::paintPartGroup(int part, std::uint32_t colour) {
  for (int box : colours::partGroup(side_, part)) colours_[static_cast<std::size_t>(box)] = colour;
  update();
}

std::optional<std::uint32_t> UniformFigure::boxColour(int index) const {
  const auto box = figureBox(index);
  if (!box || box->side != side_) return std::nullopt;
  return colours_[static_cast<std::size_t>(index)];
}

// Boxes on the 36-twip grid first, then the few placed off the grid by hand (they sit over their
// neighbours on purpose), each in ascending Label9 order; the fixed pieces last, so the holes and
// the stick keep their outline where a box overlaps them by its margin.
void UniformFigure::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), platform::displayColour(colours::kFigureBackgroundColour));
  for (bool offGrid : {false, true})
    for (int i = 0; i < colours::kFigureBoxCount; ++i) {
      const auto box = figureBox(i);
      if (box && box->side == side_ && colours::onCellGrid(box->place) != offGrid)
        painter.fillRect(twipsToPixels(box->place),
                         platform::displayColour(colours_[static_cast<std::size_t>(i)]));
    }
  for (const colours::FixedPiece& piece : colours::fixedPieces(side_)) {
    const QColor colour = piece.desktopColour ? platform::sysColour(platform::COLOR_BACKGROUND)
                                              : platform::displayColour(piece.colour);
    painter.fillRect(twipsToPixels(piece.place), colour);
  }
}

}  // namespace quarven::ui
