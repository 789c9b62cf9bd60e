#include "platform/window_frame.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <optional>

#include "platform/frame_extents.h"

namespace quarven::platform {

namespace {
constexpr int kSeeEveryMs = 10;
constexpr int kSeeForMs = 1000;

// The frame the window manager drew around the window of this program seen last.
std::optional<QMargins>& lastFrameSeen() {
  static std::optional<QMargins> seen;
  return seen;
}

// The frame of a shown window, once the window manager has framed it: the window is mapped (Qt
// calls it exposed) and its frame is told (a manager still reparenting the window may make Qt
// report nonsense for a moment).
std::optional<QMargins> seenFrame(const QWidget& window) {
  QWindow* native = window.windowHandle();
  if (!window.isVisible() || !native || !native->isExposed()) return std::nullopt;
  const std::optional<QMargins> m = drawnFrame(*native);
  if (!m || m->left() < 0 || m->top() < 0 || m->right() < 0 || m->bottom() < 0) return std::nullopt;
  lastFrameSeen() = *m;
  return m;
}

// Follows a top-level window from before it is shown until its frame is seen: whether the window
// manager said beforehand which frame it will draw, and where the window was put by its frame
// meanwhile. Watches the native window, where Qt reports the window shown and mapped.
class FrameWatch : public QObject {
 public:
  // The watch of a window, if it has one.
  static FrameWatch* find(const QWidget& window) {
    for (QObject* child : window.children())
      if (auto* watch = dynamic_cast<FrameWatch*>(child)) return watch;
    return nullptr;
  }
  // The watch of a window, made on first use; it lives as long as the window.
  static FrameWatch& of(QWidget& window) {
    FrameWatch* watch = find(window);
    return watch ? *watch : *new FrameWatch(window);
  }

  void setAnswered() { answered_ = true; }

  // The frame expected around the window until it is seen.
  QMargins expected() const {
    if (answered_ && window_->windowHandle()) return window_->windowHandle()->frameMargins();
    return lastFrameSeen().value_or(QMargins());
  }

  // Puts the frame's top-left corner at `topLeft`, taking the frame as it is expected now.
  void place(QPoint topLeft) {
    window_->winId();
    window_->windowHandle()->installEventFilter(this);  // again, when the window is shown again
    placed_ = topLeft;
    assumed_ = expected();
    moveOwnArea();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && placed_) {
      replace(expected());  // not mapped yet: the guess may be better by now
    } else if (event->type() == QEvent::Expose && !looking_.isActive()) {
      // Mapped: the manager tells the frame it drew at once or a moment later.
      watched->removeEventFilter(this);
      seeing_.start();
      looking_.start();
    }
    return false;
  }

 private:
  explicit FrameWatch(QWidget& window) : QObject(&window), window_(&window) {
    window.winId();  // the native window, not mapped yet
    window.windowHandle()->installEventFilter(this);
    looking_.setInterval(kSeeEveryMs);
    connect(&looking_, &QTimer::timeout, this, &FrameWatch::look);
  }

  void look() {
    const auto seen = seenFrame(*window_);
    if (!seen && seeing_.elapsed() < kSeeForMs) return;
    looking_.stop();
    if (seen && placed_) replace(*seen);
    placed_.reset();
  }

  // The frame turned out to be `frame`: it grows or shrinks about the centre it was given.
  void replace(const QMargins& frame) {
    if (frame == assumed_) return;
    const int wider = frame.left() + frame.right() - assumed_.left() - assumed_.right();
    const int higher = frame.top() + frame.bottom() - assumed_.top() - assumed_.bottom();
    *placed_ -= QPointF(wider / 2.0, higher / 2.0);
    assumed_ = frame;
    moveOwnArea();
  }

  void moveOwnArea() {
    const QPointF ownArea = *placed_ + QPointF(assumed_.left(), assumed_.top());
    window_->setGeometry(QRect(ownArea.toPoint(), window_->size()));
  }

  QPointer<QWidget> window_;
  bool answered_ = false;
  std::optional<QPointF> placed_;  // the frame's top-left corner, kept to the half pixel
  QMargins assumed_;
  QTimer looking_;
  QElapsedTimer seeing_;
};
}  // namespace

void learnFrameBeforeShowing(HWND window) {
  if (!window || !window->isWindow() || window->isVisible()) return;
  FrameWatch& watch = FrameWatch::of(*window);
  if (askFrameBeforeMapping(*window->windowHandle())) watch.setAnswered();
}

QMargins frameMargins(HWND window) {
  if (!window || !window->isWindow()) return {};
  if (const auto seen = seenFrame(*window)) return *seen;
  if (const FrameWatch* watch = FrameWatch::find(*window)) return watch->expected();
  return lastFrameSeen().value_or(QMargins());
}

QRect frameRect(HWND window) {
  if (!window) return {};
  return window->geometry().marginsAdded(frameMargins(window));
}

void moveFrameTo(HWND window, QPoint topLeft) {
  if (!window || !window->isWindow()) return;
  if (const auto seen = seenFrame(*window)) {
    window->setGeometry(QRect(topLeft + QPoint(seen->left(), seen->top()), window->size()));
    return;
  }
  FrameWatch::of(*window).place(topLeft);
}

void centreFrameOn(HWND window, const QRect& area) {
  QRect frame = frameRect(window);
  frame.moveCenter(area.center());
  moveFrameTo(window, frame.topLeft());
}

}  // namespace quarven::platform
