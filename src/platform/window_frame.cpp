#include "platform/window_frame.h"

#include <QWidget>

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMargins>
#include <QThread>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#endif

namespace quarven::platform {

namespace {
#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
constexpr int kAnswerWaitMs = 250;

struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// An atom some client has made already, else none: a name nobody made is one no manager uses.
xcb_atom_t knownAtom(xcb_connection_t* c, const char* name) {
  const Reply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, std::uint16_t(std::strlen(name)), name), nullptr));
  return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                      xcb_atom_t type) {
  if (property == XCB_ATOM_NONE) return {};
  const Reply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 1024), nullptr));
  if (!reply || reply->format != 32 || reply->type != type) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Whether a window manager runs that answers the request: its check window names itself (the
// root's note of a manager that has gone names a window that is gone too) and it lists the request.
bool managerAnswers(xcb_connection_t* c, xcb_window_t root, xcb_atom_t request) {
  const xcb_atom_t check = knownAtom(c, "_NET_SUPPORTING_WM_CHECK");
  const std::vector<std::uint32_t> manager = property32(c, root, check, XCB_ATOM_WINDOW);
  if (manager.size() != 1 || property32(c, manager[0], check, XCB_ATOM_WINDOW) != manager) return false;
  const auto supported = property32(c, root, knownAtom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
  return std::ranges::find(supported, request) != supported.end();
}

QMargins frameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

// Asks the X11 window manager for the frame of the unmapped window id and waits until Qt has it.
void askWindowManager(const QWidget& window, WId id) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
  if (!c) return;
  const auto xid = xcb_window_t(id);
  const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c, xcb_query_tree(c, xid), nullptr));
  const xcb_atom_t request = knownAtom(c, "_NET_REQUEST_FRAME_EXTENTS");
  const xcb_atom_t extents = knownAtom(c, "_NET_FRAME_EXTENTS");
  if (!tree || extents == XCB_ATOM_NONE || !managerAnswers(c, tree->root, request)) return;

  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = xid;
  event.type = request;
  xcb_send_event(c, 0, tree->root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
  xcb_flush(c);
  // The manager answers with the property (left, right, top, bottom); Qt takes the frame from it
  // once the property's change event reaches it.
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < kAnswerWaitMs) {
    const std::vector<std::uint32_t> m = property32(c, xid, extents, XCB_ATOM_CARDINAL);
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
