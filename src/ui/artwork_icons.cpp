#include <QBitmap>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <array>

#include "ui/artwork.h"

namespace quarven::ui {

namespace {
constexpr QRgb kMaskColour = qRgb(0xC0, 0xC0, 0xC0);

struct TeamColours {
  QRgb main;
  QRgb trim;
  char letter;
};

// By team index: clubs by city, then the East and West all stars.
constexpr std::array<TeamColours, 28> kTeamColours{{
    {qRgb(96, 32, 128), qRgb(0, 128, 128), 'D'},   {qRgb(0, 0, 0), qRgb(255, 196, 0), 'B'},
    {qRgb(0, 48, 160), qRgb(240, 240, 240), 'S'},  {qRgb(200, 16, 16), qRgb(255, 200, 0), 'F'},
    {qRgb(200, 16, 16), qRgb(0, 0, 0), 'H'},       {qRgb(0, 96, 48), qRgb(255, 200, 0), 'S'},
    {qRgb(200, 16, 16), qRgb(255, 255, 255), 'W'}, {qRgb(0, 48, 160), qRgb(255, 140, 0), 'O'},
    {qRgb(200, 16, 16), qRgb(0, 32, 96), 'P'},     {qRgb(0, 112, 48), qRgb(0, 48, 160), 'W'},
    {qRgb(0, 0, 0), qRgb(176, 176, 176), 'K'},     {qRgb(200, 16, 16), qRgb(0, 48, 160), 'C'},
    {qRgb(200, 16, 16), qRgb(0, 0, 0), 'D'},       {qRgb(0, 64, 160), qRgb(255, 120, 0), 'I'},
    {qRgb(0, 56, 168), qRgb(200, 16, 16), 'R'},    {qRgb(0, 0, 0), qRgb(200, 16, 16), 'S'},
    {qRgb(255, 112, 0), qRgb(0, 0, 0), 'F'},       {qRgb(0, 0, 0), qRgb(255, 196, 0), 'P'},
    {qRgb(0, 64, 176), qRgb(255, 255, 255), 'N'},  {qRgb(0, 128, 144), qRgb(0, 0, 0), 'S'},
    {qRgb(0, 48, 160), qRgb(255, 200, 0), 'B'},    {qRgb(0, 48, 160), qRgb(255, 255, 255), 'L'},
    {qRgb(0, 48, 128), qRgb(255, 255, 255), 'M'},  {qRgb(0, 0, 96), qRgb(255, 160, 0), 'C'},
    {qRgb(0, 32, 96), qRgb(200, 16, 16), 'C'},     {qRgb(0, 48, 128), qRgb(200, 16, 16), 'J'},
    {qRgb(0, 64, 176), qRgb(255, 255, 255), 'E'},  {qRgb(200, 16, 16), qRgb(255, 255, 255), 'W'},
}};

QPixmap withMaskColour(const QImage& image) {
  QPixmap pixmap = QPixmap::fromImage(image);
  pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(kMaskColour, Qt::MaskInColor)));
  return pixmap;
}
}  // namespace

QPixmap teamIcon(int teamIndex) {
  const TeamColours colours = kTeamColours[static_cast<std::size_t>(teamIndex) % kTeamColours.size()];
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(kMaskColour);
  QPainter p(&image);
  // A shield in the team's colours with its letter.
  QPainterPath shield;
  shield.moveTo(1, 1);
  shield.lineTo(14, 1);
  shield.lineTo(14, 9);
  shield.lineTo(7.5, 15);
  shield.lineTo(1, 9);
  shield.closeSubpath();
  p.fillPath(shield, QColor(colours.main));
  p.setPen(QPen(QColor(colours.trim), 1));
  p.drawPath(shield);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(10);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRect(1, 0, 14, 13), Qt::AlignCenter, QString(QChar(colours.letter)));
  p.end();
  return withMaskColour(image);
}

QIcon editorIcon() {
  QImage image(48, 48, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Two crossed sticks with their blades.
  p.setPen(QPen(QColor(120, 72, 24), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(8, 4), QPointF(36, 40));
  p.drawLine(QPointF(40, 4), QPointF(12, 40));
  p.setPen(QPen(QColor(20, 20, 20), 5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(36, 40), QPointF(44, 40));
  p.drawLine(QPointF(12, 40), QPointF(4, 40));
  // The puck in front.
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(QColor(15, 15, 15));
  p.drawEllipse(QRectF(14, 26, 20, 12));
  p.setBrush(QColor(45, 45, 45));
  p.drawEllipse(QRectF(14, 22, 20, 12));
  p.end();
  return QIcon(QPixmap::fromImage(image));
}

QPixmap savePicture() {
  QImage image(108, 30, QImage::Format_RGB888);
  image.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Floppy disk: body, metal shutter and label.
  const QRectF disk(6, 3, 24, 24);
  QPainterPath body;
  body.moveTo(disk.topLeft());
  body.lineTo(disk.right() - 4, disk.top());
  body.lineTo(disk.right(), disk.top() + 4);
  body.lineTo(disk.bottomRight());
  body.lineTo(disk.bottomLeft());
  body.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(30, 40, 110));
  p.drawPath(body);
  p.setBrush(QColor(190, 190, 200));
  p.drawRect(QRectF(disk.left() + 6, disk.top(), 11, 8));
  p.setBrush(QColor(30, 40, 110));
  p.drawRect(QRectF(disk.left() + 12, disk.top() + 1.5, 3, 5));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(disk.left() + 4, disk.top() + 12, 16, 11));
  p.setPen(QPen(QColor(150, 150, 150), 1));
  for (int line = 0; line < 3; ++line)
    p.drawLine(QPointF(disk.left() + 6, disk.top() + 15 + 3 * line),
               QPointF(disk.left() + 18, disk.top() + 15 + 3 * line));
  // The word, black bold italic.
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(20);
  font.setBold(true);
  font.setItalic(true);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QRect(36, 0, 70, 30), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("SAVE"));
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace quarven::ui
