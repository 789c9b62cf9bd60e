#include "platform/frame_extents.h"

#include <QWindow>

#include "platform/x11_client.h"

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#endif

namespace quarven::platform {

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
namespace {
constexpr int kAnswerWaitMs = 250;

// Whether the window manager answered the last request; a manager that lists the request but
// never answers would cost the wait for every window.
bool& managerAnswers() {
  static bool answers = true;
  return answers;
}

// _NET_FRAME_EXTENTS (left, right, top, bottom) as margins; none when the window has none.
std::optional<QMargins> frameExtents(xcb_connection_t* c, xcb_window_t window) {
  const std::vector<std::uint32_t> m =
      x11::property32(c, window, x11::knownAtom(c, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
  if (m.size() != 4) return std::nullopt;
  return QMargins(int(m[0]), int(m[2]), int(m[1]), int(m[3]));
}
}  // namespace

bool askFrameBeforeMapping(QWindow& window) {
  xcb_connection_t* c = x11::connection();
  if (!c || !managerAnswers()) return false;
  const auto xid = xcb_window_t(window.winId());
  const xcb_window_t root = x11::rootOf(c, xid);
  const xcb_atom_t request = x11::knownAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
  if (!x11::managerSupports(c, root, request)) return false;

  x11::askManager(c, root, xid, request, {});
  // The manager answers with the property; Qt reads it again once the property's change event
  // reaches it.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kAnswerWaitMs) {
    const std::optional<QMargins> answer = frameExtents(c, xid);
    if (answer && window.frameMargins() == *answer) return true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QThread::msleep(1);
  }
  managerAnswers() = false;
  return false;
}

std::optional<QMargins> drawnFrame(QWindow& window) {
  xcb_connection_t* c = x11::connection();
  if (!c) return window.frameMargins();
  const auto xid = xcb_window_t(window.winId());
  if (!x11::managerSupports(c, x11::rootOf(c, xid), x11::knownAtom(c, "_NET_FRAME_EXTENTS")))
    return window.frameMargins();
  return frameExtents(c, xid);
}
#else
bool askFrameBeforeMapping(QWindow&) {
  return false;
}

std::optional<QMargins> drawnFrame(QWindow& window) {
  return window.frameMargins();
}
#endif

}  // namespace quarven::platform
