#include "ui/picture_button.h"

#include <QPainter>

#include "platform/system_colours.h"

namespace quarven::ui {

using platform::sysColour;

namespace {
// A ring of one-pixel lines along the inside of `r`: top and left in one colour, bottom and right
// in the other.
void drawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.topLeft(), r.topRight() - QPoint(1, 0));
  painter.drawLine(r.topLeft(), r.bottomLeft() - QPoint(0, 1));
  painter.setPen(bottomRight);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

// The desktop's focus rectangle: every other pixel of a one-pixel frame.
void drawFocusRectangle(QPainter& painter, const QRect& r) {
  const QBrush dots(Qt::black, Qt::Dense4Pattern);
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), dots);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dots);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), dots);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), dots);
}
}  // namespace

PictureButton::PictureButton(const QPixmap& picture, const QColor& face, QWidget* parent)
    : QPushButton(parent), picture_(picture), face_(face) {}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect face = rect();
  painter.fillRect(face, face_);
  const QColor lit = sysColour(platform::COLOR_BTNHIGHLIGHT), light = sysColour(platform::COLOR_3DLIGHT);
  const QColor shade = sysColour(platform::COLOR_BTNSHADOW), dark = sysColour(platform::COLOR_3DDKSHADOW);
  const bool pressed = isDown();
  if (pressed) {
    drawRing(painter, face, shade, lit);
    drawRing(painter, face.adjusted(1, 1, -1, -1), dark, light);
  } else {
    drawRing(painter, face, lit, dark);
    drawRing(painter, face.adjusted(1, 1, -1, -1), light, shade);
  }
  QRect place(QPoint(), picture_.deviceIndependentSize().toSize());
  place.moveCenter(face.center());
  if (pressed) place.translate(1, 1);
  painter.drawPixmap(place.topLeft(), picture_);
  if (hasFocus()) drawFocusRectangle(painter, face.adjusted(4, 4, -4, -4));
}

}  // namespace quarven::ui
