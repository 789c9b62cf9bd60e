#include <gtest/gtest.h>

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include "dialogs/cls_on_top.h"

namespace quarven::dialogs {
namespace {

// Counts the times a window is hidden: a window hidden and shown again is unmapped and mapped
// again, placed anew by the window manager and flickers.
class HideCount : public QObject {
 public:
  int hides = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++hides;
    return false;
  }
};

// Always on top is asked for the native window the window has: the window keeps it (its id, what
// the window manager knows of it, the windows it owns) shown all along, its place and its size,
// and the flag is set exactly while asked for, on the widget and on its native window alike, any
// number of times.
TEST(OnTop, KeepsTheNativeWindowItsPlaceAndSize) {
  QWidget window;
  window.setGeometry(100, 120, 300, 200);
  window.show();
  const QWindow* native = window.windowHandle();
  const WId id = window.winId();
  const QRect place = window.geometry();
  HideCount hidden;
  window.installEventFilter(&hidden);
  clsOnTop ontop;
  for (const bool top : {true, true, false, false, true}) {
    if (top)
      ontop.MakeTopMost(&window);
    else
      ontop.MakeNormal(&window);
    EXPECT_EQ(window.windowHandle(), native) << top;
    EXPECT_EQ(window.winId(), id) << top;
    EXPECT_EQ(window.geometry(), place) << top;
    EXPECT_EQ(hidden.hides, 0) << top;
    EXPECT_EQ(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint), top);
    EXPECT_EQ(native->flags().testFlag(Qt::WindowStaysOnTopHint), top);
  }
}

// A window not shown yet takes the flag with it when shown.
TEST(OnTop, AWindowNotShownYetIsShownOnTop) {
  QWidget window;
  clsOnTop().MakeTopMost(&window);
  window.show();
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

}  // namespace
}  // namespace quarven::dialogs
