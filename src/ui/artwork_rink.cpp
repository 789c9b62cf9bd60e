#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "ui/artwork.h"

namespace quarven::ui {

namespace {
constexpr int kWidth = 543;
constexpr int kHeight = 614;

// A skater seen from above: body, helmet and stick.
void drawSkater(QPainter& p, QPointF at, double angle, QColor jersey) {
  p.save();
  p.translate(at);
  p.rotate(angle);
  p.setPen(QPen(QColor(40, 40, 40), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 4), QPointF(30, 18));
  p.drawLine(QPointF(30, 18), QPointF(38, 16));
  p.setPen(QPen(QColor(30, 30, 30), 1));
  p.setBrush(jersey);
  p.drawEllipse(QPointF(0, 0), 13, 9);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(QPointF(0, 0), 5, 5);
  p.restore();
}
}  // namespace

QPixmap rinkScene() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(QColor(70, 70, 70));  // stands
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // Crowd in the stands.
  for (int y = 6; y < kHeight; y += 11)
    for (int x = 4 + (y / 11 % 2) * 5; x < kWidth; x += 10) {
      const int grey = 60 + (x * 7 + y * 3) % 50;
      p.fillRect(x, y, 5, 6, QColor(grey, grey, grey));
    }

  // The ice inside the boards.
  const QRectF rink(36, 24, kWidth - 72, kHeight - 48);
  p.setPen(QPen(QColor(25, 25, 25), 8));
  p.setBrush(QColor(215, 215, 215));
  p.drawRoundedRect(rink, 90, 90);

  const double cx = rink.center().x();
  const double cy = rink.center().y();
  // Centre red line, blue lines and goal lines.
  p.setPen(QPen(QColor(120, 120, 120), 7));
  p.drawLine(QPointF(rink.left() + 4, cy), QPointF(rink.right() - 4, cy));
  p.setPen(QPen(QColor(95, 95, 95), 9));
  for (double y : {cy - 100, cy + 100}) p.drawLine(QPointF(rink.left() + 4, y), QPointF(rink.right() - 4, y));
  p.setPen(QPen(QColor(130, 130, 130), 2));
  for (double y : {rink.top() + 48, rink.bottom() - 48})
    p.drawLine(QPointF(rink.left() + 26, y), QPointF(rink.right() - 26, y));

  // Face-off circles and the centre spot.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 120, 120), 2));
  p.drawEllipse(QPointF(cx, cy), 55, 55);
  for (double y : {rink.top() + 120, rink.bottom() - 120})
    for (double x : {cx - 120, cx + 120}) p.drawEllipse(QPointF(x, y), 45, 45);
  p.setBrush(QColor(95, 95, 95));
  p.drawEllipse(QPointF(cx, cy), 5, 5);

  // Goal creases and nets.
  for (const bool top : {true, false}) {
    const double line = top ? rink.top() + 48 : rink.bottom() - 48;
    p.setPen(QPen(QColor(120, 120, 120), 2));
    p.setBrush(QColor(175, 175, 175));
    p.drawChord(QRectF(cx - 30, line - 30, 60, 60), top ? 180 * 16 : 0, 180 * 16);
    p.setPen(QPen(QColor(40, 40, 40), 3));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(cx - 22, line - (top ? 20 : 0), 44, 20));
  }

  // A few skaters and the puck.
  drawSkater(p, QPointF(cx - 70, cy - 40), 20, QColor(235, 235, 235));
  drawSkater(p, QPointF(cx + 60, cy + 30), 200, QColor(60, 60, 60));
  drawSkater(p, QPointF(cx - 110, cy + 170), -30, QColor(235, 235, 235));
  drawSkater(p, QPointF(cx + 100, cy - 180), 150, QColor(60, 60, 60));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 10, 10));
  p.drawEllipse(QPointF(cx - 30, cy - 18), 4, 4);
  p.end();

  // Every colour above is a grey, so the picture never holds more than 256 colours.
  return QPixmap::fromImage(std::move(image));
}

}  // namespace quarven::ui
