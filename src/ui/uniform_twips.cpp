#include "ui/uniform_twips.h"

#include <cmath>

namespace quarven::ui {

int twipsToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect twipsToPixels(const colours::TwipsRect& rect) {
  const int left = twipsToPixels(rect.left);
  const int top = twipsToPixels(rect.top);
  return QRect(QPoint(left, top),
               QPoint(twipsToPixels(rect.left + rect.width) - 1, twipsToPixels(rect.top + rect.height) - 1));
}

}  // namespace quarven::ui
