#include "ui/client_area.h"

#include <QPainter>

namespace quarven::ui {

ClientArea::ClientArea(QColor background, std::function<QPixmap()> drawPicture, QWidget* parent)
    : QWidget(parent), background_(background), drawPicture_(std::move(drawPicture)) {}

void ClientArea::paintEvent(QPaintEvent*) {
  if (drawPicture_) {
    picture_ = drawPicture_();
    drawPicture_ = nullptr;
  }
  QPainter painter(this);
  painter.fillRect(rect(), background_);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace quarven::ui
