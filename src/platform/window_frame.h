#pragma once
// A top-level window's frame before the window is first shown. Under X11 the window manager adds
// the frame (title bar and borders) only when it maps the window; until then the window's frame
// rectangle is its client area alone, and a window placed by its frame lands off by the frame's
// size. Asked beforehand (_NET_REQUEST_FRAME_EXTENTS), the window manager tells which frame it
// will add, and the frame rectangle is right before the window appears.

#include "platform/window_api.h"

namespace quarven::platform {

// Makes the frame of a top-level window that is not shown yet known, waiting a moment at most for
// the window manager's answer. Does nothing for a window already shown, on other window systems,
// and without a window manager that answers (no window manager: no frame).
void learnFrameBeforeShowing(HWND window);

}  // namespace quarven::platform
