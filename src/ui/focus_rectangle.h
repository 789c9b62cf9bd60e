#pragma once
// The desktop's focus rectangle: a dotted one-pixel frame, every other pixel black, drawn by a
// control around the part of it that has the keyboard focus.

class QPainter;
class QRect;

namespace quarven::ui {

void drawFocusRectangle(QPainter& painter, const QRect& r);

}  // namespace quarven::ui
