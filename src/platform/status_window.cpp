#include "platform/status_window.h"

#include <QEvent>
#include <QLayout>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

#include "platform/shell_api.h"

namespace quarven::platform {

namespace {
constexpr int kIconSize = 16;
constexpr int kPadding = 3;

// The size grip of a resizable dialog, which sits in its bottom-right corner.
QSizeGrip* gripOf(const QWidget* parent) {
  return parent ? parent->findChild<QSizeGrip*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}
}  // namespace

StatusWindow::StatusWindow(QWidget* parent) : QWidget(parent) {
  setFixedHeight(std::max(fontMetrics().height(), kIconSize) + 2 * kPadding + 2);
  if (parent) {
    parent->installEventFilter(this);
    layout_ = parent->layout();
    if (layout_) {
      QMargins margins = layout_->contentsMargins();
      reservedMargin_ = height();
      margins.setBottom(margins.bottom() + reservedMargin_);
      layout_->setContentsMargins(margins);
    }
  }
  followParent();
}

StatusWindow::~StatusWindow() {
  if (layout_) {
    QMargins margins = layout_->contentsMargins();
    margins.setBottom(std::max(0, margins.bottom() - reservedMargin_));
    layout_->setContentsMargins(margins);
  }
}

void StatusWindow::followParent() {
  if (QWidget* parent = parentWidget()) {
    setGeometry(0, parent->height() - height(), parent->width(), height());
    raise();
    // A resizable parent's grip sits in the bar's corner and stays on top, to be seen and used.
    if (QSizeGrip* grip = gripOf(parent)) grip->raise();
  }
}

int StatusWindow::gripRoom() const {
  const QSizeGrip* grip = gripOf(parentWidget());
  if (!grip || grip->isHidden() || !grip->geometry().intersects(geometry())) return 0;
  return std::max(0, geometry().right() - grip->geometry().left() + 1);
}

bool StatusWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) {
    followParent();
  }
  return QWidget::eventFilter(watched, event);
}

LRESULT StatusWindow::message(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SB_SETPARTS: {
      const auto* edges = reinterpret_cast<const int*>(lParam);
      if (!edges || wParam < 1 || wParam > 256) return 0;
      edges_.assign(edges, edges + wParam);
      content_.resize(edges_.size());
      update();
      return 1;
    }
    case SB_SETTEXTW: {
      const auto* text = reinterpret_cast<const char16_t*>(lParam);
      setText(wParam, text ? QString::fromUtf16(text) : QString());
      return 1;
    }
    case SB_SETTEXTA: {
      const auto* text = reinterpret_cast<const char*>(lParam);
      setText(wParam, text ? QString::fromLocal8Bit(text) : QString());
      return 1;
    }
    case SB_SETICON: {
      if (wParam >= content_.size()) return 0;
      content_[wParam].icon = iconOf(static_cast<std::uintptr_t>(lParam));
      update();
      return 1;
    }
    default:
      return 0;
  }
}

void StatusWindow::setText(WPARAM wParam, const QString& text) {
  const std::size_t part = wParam & 0xFF;
  if (part >= content_.size()) return;
  content_[part].text = text;
  update();
}

QString StatusWindow::text(int part) const {
  return part >= 0 && std::size_t(part) < content_.size() ? content_[part].text : QString();
}

QIcon StatusWindow::icon(int part) const {
  return part >= 0 && std::size_t(part) < content_.size() ? content_[part].icon : QIcon();
}

QRect StatusWindow::partRect(int part) const {
  const int left = part == 0 ? 0 : std::max(0, edges_[part - 1]);
  const int edge = edges_[part];
  const int end = width() - gripRoom();  // the last part stops short of the grip
  const int right = (edge < 0 || edge > end) ? end : edge;
  return QRect(left, 0, std::max(0, right - left), height());
}

void StatusWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  for (int i = 0; i < int(edges_.size()); ++i) {
    const QRect area = partRect(i).adjusted(1, 2, -1, -1);
    if (area.width() <= 0) continue;
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = area;
    frame.lineWidth = 1;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);

    QRect inside = area.adjusted(kPadding, 0, -kPadding, 0);
    const Part& part = content_[i];
    if (!part.icon.isNull()) {
      const QRect iconRect(inside.left(), inside.top() + (inside.height() - kIconSize) / 2, kIconSize,
                           kIconSize);
      part.icon.paint(&painter, iconRect);
      inside.setLeft(iconRect.right() + 1 + kPadding);
    }
    QString text = part.text;
    Qt::Alignment align = Qt::AlignLeft;
    if (text.startsWith(u"\t\t")) {
      align = Qt::AlignRight;
      text = text.mid(2);
    } else if (text.startsWith(u'\t')) {
      align = Qt::AlignHCenter;
      text = text.mid(1);
    }
    painter.setPen(palette().windowText().color());
    painter.drawText(inside, int(align | Qt::AlignVCenter),
                     fontMetrics().elidedText(text, Qt::ElideRight, inside.width()));
  }
}

HWND CreateStatusWindow(std::uint32_t style, const QString& text, HWND parent, unsigned id) {
  auto* bar = new StatusWindow(parent);
  SetDlgCtrlID(bar, int(id));
  if (!text.isEmpty()) bar->message(SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.utf16()));
  bar->setVisible(style & WS_VISIBLE);
  return registerCreatedWindow(bar);
}

}  // namespace quarven::platform
