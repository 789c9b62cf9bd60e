#include "ui/uniform_cell.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/system_colours.h"

namespace quarven::ui {

UniformCell::UniformCell(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
}

void UniformCell::setBackColour(std::uint32_t colour) {
  back_ = colour;
  update();
}

void UniformCell::setTextColour(std::uint32_t colour) {
  text_ = colour;
  update();
}

void UniformCell::setCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void UniformCell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), platform::displayColour(back_));
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  if (caption_.isEmpty()) return;
  painter.setPen(platform::displayColour(text_));
  painter.setFont(font());
  painter.drawText(rect(), Qt::AlignCenter, caption_);
}

// A click is a left-button press and release over the cell.
void UniformCell::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void UniformCell::mouseMoveEvent(QMouseEvent*) {
  emit mouseMoved();
}

}  // namespace quarven::ui
