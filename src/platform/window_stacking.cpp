#include "platform/window_stacking.h"

#include <QWidget>
#include <QWindow>

#include "platform/x11_client.h"

namespace quarven::platform {

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
bool askKeepAbove(HWND window, bool above) {
  xcb_connection_t* c = x11::connection();
  if (!c || !window || !window->isWindow() || !window->isVisible() || !window->windowHandle()) return false;
  // The native window as it is now: shown again after a hide, a window whose stay-on-top flag
  // changed gets a new one, which the widget's own id does not follow.
  const auto xid = xcb_window_t(window->windowHandle()->winId());
  const xcb_window_t root = x11::rootOf(c, xid);
  const xcb_atom_t state = x11::knownAtom(c, "_NET_WM_STATE");
  const xcb_atom_t keepAbove = x11::knownAtom(c, "_NET_WM_STATE_ABOVE");
  if (state == XCB_ATOM_NONE || !x11::managerSupports(c, root, keepAbove)) return false;
  // _NET_WM_STATE_REMOVE 0 or _NET_WM_STATE_ADD 1, the state, no second state, asked by an
  // application (1).
  x11::askManager(c, root, xid, state, {above ? 1u : 0u, keepAbove, 0u, 1u});
  return true;
}
#else
bool askKeepAbove(HWND, bool) {
  return false;
}
#endif

}  // namespace quarven::platform
