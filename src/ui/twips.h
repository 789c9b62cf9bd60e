#pragma once
// Layout measures: positions and sizes are given in twips, 15 to a pixel.

#include <QRect>

#include "colours/uniform_figure_data.h"

namespace quarven::ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels, to the nearest pixel.
constexpr int twips(int value) {
  return (value + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A control's rectangle from its Left, Top, Width and Height in twips.
inline QRect twipsRect(int left, int top, int width, int height) {
  return {twips(left), twips(top), twips(width), twips(height)};
}

// A rectangle of the uniform tab control. Each edge is rounded on its own, so boxes that meet or
// overlap in twips still meet or overlap in pixels.
inline QRect twipsToPixels(const colours::TwipsRect& rect) {
  return QRect(QPoint(twips(rect.left), twips(rect.top)),
               QPoint(twips(rect.left + rect.width) - 1, twips(rect.top + rect.height) - 1));
}

}  // namespace quarven::ui
