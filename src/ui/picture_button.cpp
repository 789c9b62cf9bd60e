#include "ui/picture_button.h"

#include <QKeyEvent>
#include <QPainter>

#include "platform/system_colours.h"
#include "ui/focus_rectangle.h"

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

// Return and keypad Enter press the focused button as Space does. A key held down presses it once;
// its repeats are no presses.
void PictureButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
    return QPushButton::keyPressEvent(event);
  event->accept();
  if (!event->isAutoRepeat()) click();
}

}  // namespace quarven::ui
