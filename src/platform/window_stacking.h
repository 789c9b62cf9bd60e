#pragma once
// Asking the window manager for a shown window's place in the stacking order. Where one decides
// it (X11 with an EWMH window manager), a window that stays on top is the manager's business: Qt
// would re-create the native window to change it, and a new window loses what the old one had.

#include "platform/window_api.h"

namespace quarven::platform {

// Asks the window manager to keep a shown top-level window above other windows, or to stop doing
// so (_NET_WM_STATE_ABOVE). True when asked: the window is shown on X11 under a window manager
// that supports the state. Otherwise nothing is sent and the result is false.
bool askKeepAbove(HWND window, bool above);

}  // namespace quarven::platform
