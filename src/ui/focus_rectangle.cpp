#include "ui/focus_rectangle.h"

#include <QBrush>
#include <QPainter>
#include <QRect>

namespace quarven::ui {

void drawFocusRectangle(QPainter& painter, const QRect& r) {
  const QBrush dots(Qt::black, Qt::Dense4Pattern);
  painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), dots);
  painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), dots);
  painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), dots);
  painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), dots);
}

}  // namespace quarven::ui
