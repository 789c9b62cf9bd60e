#include "dialogs/frm_splash.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

#include "platform/window_frame.h"

namespace quarven::dialogs {

namespace {
// Client area 5880 x 3660 twips; the picture box is one pixel larger each way, so its last row
// and column are cut off by the window's edge.
constexpr QSize kClientSize(392, 244);
constexpr QSize kPictureSize(393, 245);
}  // namespace

QPixmap splashPicture() {
  QImage image(kPictureSize, QImage::Format_RGB888);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, kPictureSize.height());
  sky.setColorAt(0, QColor(10, 20, 70));
  sky.setColorAt(1, QColor(0, 0, 20));
  p.fillRect(image.rect(), sky);
  // The rink in perspective, with its red centre line and blue lines.
  p.setPen(QPen(QColor(30, 30, 30), 4));
  p.setBrush(QColor(225, 235, 245));
  p.drawRoundedRect(QRectF(40, 120, 313, 105), 50, 40);
  p.setPen(QPen(QColor(200, 20, 20), 3));
  p.drawLine(QPointF(196, 122), QPointF(196, 223));
  p.setPen(QPen(QColor(20, 60, 200), 3));
  p.drawLine(QPointF(140, 122), QPointF(140, 223));
  p.drawLine(QPointF(252, 122), QPointF(252, 223));
  p.setPen(QPen(QColor(200, 20, 20), 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(196, 172), 24, 18);

  QFont title(QStringLiteral("Arial"));
  title.setPixelSize(40);
  title.setBold(true);
  title.setItalic(true);
  p.setFont(title);
  p.setPen(QColor(255, 255, 255));
  p.drawText(QRect(0, 24, kPictureSize.width(), 50), Qt::AlignCenter, QStringLiteral("QUARVEN EDITOR"));
  QFont small(QStringLiteral("Arial"));
  small.setPixelSize(13);
  small.setBold(true);
  p.setFont(small);
  p.setPen(QColor(200, 210, 255));
  p.drawText(QRect(0, 76, kPictureSize.width(), 20), Qt::AlignCenter,
             QStringLiteral("by the QUARVEN EDITOR developers"));
  p.end();
  return QPixmap::fromImage(image);
}

frmSplash::frmSplash(std::function<QWidget*()> form1, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint), form1_(std::move(form1)) {
  setWindowTitle(QString());
  setFixedSize(kClientSize);
  setFocusPolicy(Qt::StrongFocus);
  Picture1 = new QLabel(this);
  Picture1->setGeometry(QRect(QPoint(0, 0), kPictureSize));
  Picture1->setPixmap(splashPicture());
  Picture1->installEventFilter(this);
}

void frmSplash::Form_KeyPress(int) {
  showMainWindow();
}

void frmSplash::Picture1_Click() {
  showMainWindow();
}

void frmSplash::showMainWindow() {
  if (QWidget* main = form1_ ? form1_() : nullptr) main->show();
  hide();
}

bool frmSplash::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Picture1 && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && Picture1->rect().contains(mouse->position().toPoint())) {
      Picture1_Click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
  if (event->text().isEmpty()) return QWidget::keyPressEvent(event);
  Form_KeyPress(event->text().front().unicode());
}

void frmSplash::showEvent(QShowEvent* event) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    platform::centreFrameOn(this, screen->geometry());
  QWidget::showEvent(event);
}

}  // namespace quarven::dialogs
