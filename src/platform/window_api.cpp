#include "platform/window_api.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "platform/window_frame.h"

namespace quarven::platform {

namespace {
QWidget& desktop() {
  static QWidget* d = new QWidget(nullptr, Qt::Desktop);  // never shown; lives as long as the process
  return *d;
}

bool isDesktop(HWND hwnd) {
  return hwnd == &desktop();
}

QRect screenRect(QWidget* w) {
  if (isDesktop(w)) {
    QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry() : QRect();
  }
  if (w->isWindow()) return frameRect(w);
  return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// Extra width and height that the frame adds around a top-level window's client area.
QSize frameExtra(QWidget* w) {
  const QMargins m = frameMargins(w);
  return {m.left() + m.right(), m.top() + m.bottom()};
}

// Puts a top-level window into the top-most band or takes it out, keeping its place and size.
void setTopMost(QWidget* window, bool top) {
  const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, top);
  if (window->windowFlags() == flags) return;
  if (QWindow* native = window->windowHandle()) {
    // Qt asks the window manager for the native window it has (on X11 by _NET_WM_STATE_ABOVE),
    // and the widget learns the flag without making a new native window, which would lose what
    // the old one had (its id, its place, the dialogs it owns).
    window->overrideWindowFlags(flags);
    native->setFlags(flags);
    return;
  }
  window->setWindowFlags(flags);  // no native window yet: the flag is taken when it is made
}

// A top-level window by its frame, a child window in its parent's client area.
void moveTo(QWidget* w, int x, int y) {
  if (w->isWindow())
    moveFrameTo(w, {x, y});
  else
    w->move(x, y);
}
}  // namespace

bool SetWindowPos(HWND hwnd, std::intptr_t insertAfter, int x, int y, int cx, int cy, unsigned flags) {
  if (!hwnd || isDesktop(hwnd)) return false;
  if (!(flags & SWP_NOZORDER) && (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) &&
      hwnd->isWindow())
    setTopMost(hwnd, insertAfter == HWND_TOPMOST);
  if (!(flags & SWP_NOSIZE)) {
    if (hwnd->isWindow()) {
      const QSize extra = frameExtra(hwnd);
      hwnd->resize(cx - extra.width(), cy - extra.height());
    } else {
      hwnd->resize(cx, cy);
    }
  }
  if (!(flags & SWP_NOMOVE)) moveTo(hwnd, x, y);
  if (!(flags & SWP_NOZORDER) && insertAfter == HWND_TOP) hwnd->raise();
  return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
  if (!hwnd || isDesktop(hwnd)) return false;
  if (hwnd->isWindow()) {
    const QSize extra = frameExtra(hwnd);
    hwnd->resize(width - extra.width(), height - extra.height());
    moveFrameTo(hwnd, {x, y});
  } else {
    hwnd->setGeometry(x, y, width, height);
  }
  if (repaint) hwnd->update();
  return true;
}

bool GetWindowRect(HWND hwnd, RECT* rect) {
  if (!hwnd || !rect) return false;
  const QRect r = screenRect(hwnd);
  *rect = {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
  return true;
}

bool IsTopMost(HWND hwnd) {
  return hwnd && hwnd->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

HWND GetParent(HWND hwnd) {
  return hwnd && !isDesktop(hwnd) ? hwnd->parentWidget() : nullptr;
}
HWND GetActiveWindow() {
  return QApplication::activeWindow();
}
HWND GetDesktopWindow() {
  return &desktop();
}

bool ShowWindow(HWND hwnd, int command) {
  if (!hwnd || isDesktop(hwnd)) return false;
  const bool wasVisible = hwnd->isVisible();
  hwnd->setVisible(command != SW_HIDE);
  return wasVisible;
}

bool SetWindowText(HWND hwnd, const QString& text) {
  if (!hwnd) return false;
  if (auto* b = qobject_cast<QAbstractButton*>(hwnd))
    b->setText(text);
  else if (auto* l = qobject_cast<QLabel*>(hwnd))
    l->setText(text);
  else if (auto* e = qobject_cast<QLineEdit*>(hwnd))
    e->setText(text);
  else if (auto* g = qobject_cast<QGroupBox*>(hwnd))
    g->setTitle(text);
  else
    hwnd->setWindowTitle(text);
  return true;
}

QString GetWindowText(HWND hwnd) {
  if (!hwnd) return {};
  if (auto* b = qobject_cast<QAbstractButton*>(hwnd)) return b->text();
  if (auto* l = qobject_cast<QLabel*>(hwnd)) return l->text();
  if (auto* e = qobject_cast<QLineEdit*>(hwnd)) return e->text();
  if (auto* g = qobject_cast<QGroupBox*>(hwnd)) return g->title();
  return hwnd->windowTitle();
}

bool ScreenToClient(HWND hwnd, POINT* point) {
  if (!hwnd || !point || isDesktop(hwnd)) return false;
  const QPoint p = hwnd->mapFromGlobal(QPoint(point->x, point->y));
  *point = {p.x(), p.y()};
  return true;
}

namespace {
constexpr const char* kControlIdProperty = "quarvenControlId";

std::vector<QPointer<QWidget>>& createdWindows() {
  static std::vector<QPointer<QWidget>> windows;
  return windows;
}
}  // namespace

void SetDlgCtrlID(HWND control, int id) {
  if (control) control->setProperty(kControlIdProperty, id);
}

int GetDlgCtrlID(HWND control) {
  return control ? control->property(kControlIdProperty).toInt() : 0;
}

HWND GetDlgItem(HWND dialog, int id) {
  if (!dialog || isDesktop(dialog) || id == 0) return nullptr;
  for (QWidget* child : dialog->findChildren<QWidget*>()) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

HWND registerCreatedWindow(QWidget* window) {
  auto& windows = createdWindows();
  std::erase_if(windows, [](const QPointer<QWidget>& w) { return w.isNull(); });
  if (window) windows.emplace_back(window);
  return window;
}

bool DestroyWindow(HWND hwnd) {
  if (!hwnd) return false;
  auto& windows = createdWindows();
  const auto it = std::find_if(windows.begin(), windows.end(), [hwnd](const QPointer<QWidget>& w) {
    return !w.isNull() && w.data() == hwnd;
  });
  if (it == windows.end()) return false;
  QWidget* window = it->data();
  windows.erase(it);
  delete window;
  return true;
}

}  // namespace quarven::platform
