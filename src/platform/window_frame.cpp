#include "platform/window_frame.h"

#include <QWidget>

#include "platform/x11_client.h"

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMargins>
#include <QThread>
#endif

namespace quarven::platform {

namespace {
#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
constexpr int kAnswerWaitMs = 250;

QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

// Asks the X11 window manager for the frame of the unmapped window id and waits until Qt has it.
void askWindowManager(const QWidget& window, WId id) {
  xcb_connection_t* c = x11::connection();
  if (!c) return;
  const auto xid = xcb_window_t(id);
  const xcb_window_t root = x11::rootOf(c, xid);
  const xcb_atom_t request = x11::knownAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_atom_t extents = x11::knownAtom(c, "_NET_FRAME_EXTENTS");
  if (extents == XCB_ATOM_NONE || !x11::managerSupports(c, root, request)) return;

  x11::askManager(c, root, xid, request, {});
  // The manager answers with the property (left, right, top, bottom); Qt takes the frame from it
  // once the property's change event reaches it.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kAnswerWaitMs) {
    const std::vector<std::uint32_t> m = x11::property32(c, xid, extents, XCB_ATOM_CARDINAL);
    if (m.size() == 4 && frameMargins(window) == QMargins(int(m[0]), int(m[2]), int(m[1]), int(m[3]))) return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(1);
  }
}
#else
void askWindowManager(const QWidget&, WId) {}
#endif
}  // namespace

void learnFrameBeforeShowing(HWND window) {
  if (!window || !window->isWindow() || window->isVisible()) return;
  // The native window, not mapped yet: where the window system draws the frame itself, the
  // frame is known from here on.
  const WId id = window->winId();
  askWindowManager(*window, id);
}

}  // namespace quarven::platform
