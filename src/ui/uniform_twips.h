#pragma once
// Twips (15 per pixel) to pixels for the uniform tab control. Each edge is rounded on its own, so
// boxes that meet or overlap in twips still meet or overlap in pixels.

#include <QRect>

#include "colours/uniform_figure_data.h"

namespace quarven::ui {

inline constexpr int kTwipsPerPixel = 15;

int twipsToPixels(int twips);
QRect twipsToPixels(const colours::TwipsRect& rect);

}  // namespace quarven::ui
