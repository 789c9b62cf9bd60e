#pragma once
// A top-level window's frame: the title bar and borders a window manager draws around it. Under
// X11 the manager adds the frame only when it maps the window; until then the window system knows
// the window's own area alone, and a window placed by its frame would land off by the frame's
// size. So the frame of a window not shown yet is the one the manager said it will draw when asked
// beforehand (learnFrameBeforeShowing), else the one it drew around the window of this program
// shown last, as a manager frames one program's windows alike, else none. A window placed by its
// frame before the frame is known for sure is placed again when it is shown and once its frame is
// seen, so that its frame lands where it was put.

#include <QMargins>
#include <QPoint>
#include <QRect>

#include "platform/window_api.h"

namespace quarven::platform {

// Asks the window manager which frame it will draw around a top-level window that is not shown
// yet, waiting a moment at most for the answer. Does nothing for a window already shown, on other
// window systems, and without a window manager that answers (no window manager: no frame).
void learnFrameBeforeShowing(HWND window);

// The frame around a top-level window's own area: seen on screen once the window is shown, else
// as expected (above).
QMargins frameMargins(HWND window);
// A top-level window's rectangle on screen, its frame included.
QRect frameRect(HWND window);

// Moves a top-level window so that its frame's top-left corner lies at `topLeft`. Where the frame
// turns out larger or smaller than expected once it is seen, the frame keeps the centre it was
// given.
void moveFrameTo(HWND window, QPoint topLeft);
// Moves a top-level window so that its frame is centred on the area.
void centreFrameOn(HWND window, const QRect& area);

}  // namespace quarven::platform
