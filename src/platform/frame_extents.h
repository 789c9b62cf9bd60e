#pragma once
// The frame (title bar and borders) an X11 window manager draws around a window, as the manager
// tells it in the window's _NET_FRAME_EXTENTS. The manager adds the frame only when it maps the
// window, and Qt does not ask it sooner; once the window is mapped, what Qt reports may still be
// what it worked out before the frame was there.

#include <QMargins>
#include <optional>

class QWindow;

namespace quarven::platform {

// Asks about a native window that is not mapped yet (_NET_REQUEST_FRAME_EXTENTS) and waits a
// moment at most until Qt has the answer (QWindow::frameMargins()). True when the manager answered.
// A manager that left a request unanswered once is not asked again. False at once on other window
// systems and without a window manager that lists the request.
bool askFrameBeforeMapping(QWindow& window);

// The frame around a mapped window: as the window manager tells it where it tells frames, none
// while it has not told it yet; elsewhere the frame Qt reports.
std::optional<QMargins> drawnFrame(QWindow& window);

}  // namespace quarven::platform
