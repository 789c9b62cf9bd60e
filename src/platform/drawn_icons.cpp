#include "platform/drawn_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPolygonF>

namespace quarven::platform {

namespace {

enum class Picture {
  Back,
  Forward,
  Parent,
  NewFolder,
  ListView,
  DetailView,
  Folder,
  File,
  Drive,
  Computer,
  Home
};

std::optional<Picture> pictureOf(QStyle::StandardPixmap standard) {
  switch (standard) {
    case QStyle::SP_ArrowBack:
    case QStyle::SP_ArrowLeft:
      return Picture::Back;
    case QStyle::SP_ArrowForward:
    case QStyle::SP_ArrowRight:
      return Picture::Forward;
    case QStyle::SP_FileDialogToParent:
    case QStyle::SP_ArrowUp:
      return Picture::Parent;
    case QStyle::SP_FileDialogNewFolder:
      return Picture::NewFolder;
    case QStyle::SP_FileDialogListView:
      return Picture::ListView;
    case QStyle::SP_FileDialogDetailedView:
      return Picture::DetailView;
    case QStyle::SP_DirIcon:
    case QStyle::SP_DirOpenIcon:
    case QStyle::SP_DirClosedIcon:
    case QStyle::SP_DirLinkIcon:
    case QStyle::SP_DirLinkOpenIcon:
      return Picture::Folder;
    case QStyle::SP_FileIcon:
    case QStyle::SP_FileLinkIcon:
      return Picture::File;
    case QStyle::SP_DriveHDIcon:
    case QStyle::SP_DriveFDIcon:
    case QStyle::SP_DriveCDIcon:
    case QStyle::SP_DriveDVDIcon:
    case QStyle::SP_DriveNetIcon:
      return Picture::Drive;
    case QStyle::SP_ComputerIcon:
    case QStyle::SP_DesktopIcon:
      return Picture::Computer;
    case QStyle::SP_DirHomeIcon:
      return Picture::Home;
    default:
      return std::nullopt;
  }
}

// An arrow across the 16 x 16 square, pointing at `angle` degrees (0 = right, 90 = down).
void drawArrow(QPainter& p, double angle) {
  p.save();
  p.translate(8, 8);
  p.rotate(angle);
  p.drawPolygon(QPolygonF({{6, 0}, {0, -6}, {0, -2.5}, {-6, -2.5}, {-6, 2.5}, {0, 2.5}, {0, 6}}));
  p.restore();
}

void drawFolder(QPainter& p, QColor ink) {
  p.setBrush(QColor(232, 190, 80));
  p.setPen(QPen(ink, 1));
  p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {14.5, 5}, {14.5, 13.5}, {1.5, 13.5}}));
}

void drawPicture(QPainter& p, Picture picture, QColor ink) {
  const QPen pen(ink, 1);
  p.setPen(pen);
  switch (picture) {
    case Picture::Back:
    case Picture::Forward:
    case Picture::Parent:
      p.setBrush(QColor(60, 110, 190));
      drawArrow(p, picture == Picture::Back ? 180 : picture == Picture::Forward ? 0 : 270);
      break;
    case Picture::NewFolder:
      drawFolder(p, ink);
      p.setPen(QPen(QColor(30, 130, 40), 2));
      p.drawLine(QPointF(11, 0.5), QPointF(11, 6.5));
      p.drawLine(QPointF(8, 3.5), QPointF(14, 3.5));
      break;
    case Picture::ListView:
      for (double y : {3.5, 7.5, 11.5}) {
        p.drawRect(QRectF(1.5, y - 1, 2, 2));
        p.drawLine(QPointF(5.5, y), QPointF(14.5, y));
      }
      break;
    case Picture::DetailView:
      p.drawRect(QRectF(1.5, 1.5, 13, 13));
      for (double y : {5.5, 9.5}) p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
      p.drawLine(QPointF(6.5, 1.5), QPointF(6.5, 14.5));
      break;
    case Picture::Folder:
      drawFolder(p, ink);
      break;
    case Picture::File:
      p.setBrush(Qt::white);
      p.drawPolygon(QPolygonF({{3.5, 1.5}, {10, 1.5}, {12.5, 4}, {12.5, 14.5}, {3.5, 14.5}}));
      p.drawPolyline(QPolygonF({{10, 1.5}, {10, 4}, {12.5, 4}}));
      break;
    case Picture::Drive:
      p.setBrush(QColor(190, 190, 190));
      p.drawRect(QRectF(1.5, 5.5, 13, 6));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 170, 60));
      p.drawRect(QRectF(11, 8, 2, 2));
      break;
    case Picture::Computer:
      p.setBrush(QColor(110, 160, 210));
      p.drawRect(QRectF(1.5, 2.5, 13, 9));
      p.drawLine(QPointF(8, 11.5), QPointF(8, 13.5));
      p.drawLine(QPointF(4.5, 14.5), QPointF(11.5, 14.5));
      break;
    case Picture::Home:
      p.setBrush(QColor(200, 120, 80));
      p.drawPolygon(
          QPolygonF({{8, 1.5}, {14.5, 8}, {12.5, 8}, {12.5, 14.5}, {3.5, 14.5}, {3.5, 8}, {1.5, 8}}));
      break;
  }
}

// Paints its picture scaled to the rectangle asked for, on a clear background; disabled icons
// paler.
class DrawnIconEngine : public QIconEngine {
 public:
  explicit DrawnIconEngine(Picture picture) : picture_(picture) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    drawPicture(*painter, picture_, QColor(50, 50, 50));
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(&painter, image.rect(), mode, state);
    painter.end();
    return QPixmap::fromImage(std::move(image));
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(picture_); }

 private:
  Picture picture_;
};

}  // namespace

std::optional<QIcon> drawnIcon(QStyle::StandardPixmap standard) {
  const std::optional<Picture> picture = pictureOf(standard);
  if (!picture) return std::nullopt;
  return QIcon(new DrawnIconEngine(*picture));
}

}  // namespace quarven::platform
