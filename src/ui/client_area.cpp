#include "ui/client_area.h"

#include <QPainter>

namespace quarven::ui {

ClientArea::ClientArea(QColor background, QPixmap picture, QWidget* parent)
    : QWidget(parent), background_(background), picture_(std::move(picture)) {}

void ClientArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace quarven::ui
