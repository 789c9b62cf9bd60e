#pragma once
// Layout measures: positions and sizes are given in twips, 15 to a pixel.

#include <QRect>

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

}  // namespace quarven::ui
