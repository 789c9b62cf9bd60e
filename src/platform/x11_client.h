#pragma once
// What the platform layer asks of the X11 window manager directly: the EWMH properties Qt does not
// hand out, read and requested through the application's own xcb connection. Built only where Qt
// runs on xcb; elsewhere every question finds no window manager.

#include <QtGui/qtguiglobal.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#if defined(QUARVEN_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

namespace quarven::platform::x11 {

// A reply of the X server, freed with the object.
struct FreeReply {
  void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// The application's connection when it runs on X11, else null.
xcb_connection_t* connection();

// An atom some client has made already, else none: a name nobody made is one no manager uses.
xcb_atom_t knownAtom(xcb_connection_t* c, const char* name);

// The 32-bit values of a window's property of the given type; empty when it has none.
std::vector<std::uint32_t> property32(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                                      xcb_atom_t type);

// The root window of the screen a window is on; none when the window is gone.
xcb_window_t rootOf(xcb_connection_t* c, xcb_window_t window);

// Whether a window manager runs that lists `feature` as supported: its check window names itself
// (the root's note of a manager that has gone names a window that is gone too) and _NET_SUPPORTED
// holds the atom.
bool managerSupports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t feature);

// Sends a 32-bit client message about `window` to the root window, where the window manager takes
// such requests, and flushes it.
void askManager(xcb_connection_t* c, xcb_window_t root, xcb_window_t window, xcb_atom_t type,
                const std::vector<std::uint32_t>& data);

}  // namespace quarven::platform::x11
#endif
