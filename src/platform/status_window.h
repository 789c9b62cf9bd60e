#pragma once
// The status bar of the common controls: a strip at the bottom edge of its parent, split into
// parts by right edges, each part with an optional icon and a text. A text that starts with one
// tab is centred in its part, with two tabs right-aligned. A resizable parent's size grip stays
// visible and usable in the bar's right corner; the parts end before it.

#include <QIcon>
#include <QLayout>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

#include "platform/window_messages.h"

namespace quarven::platform {

enum : std::uint32_t { WS_VISIBLE = 0x10000000, WS_CHILD = 0x40000000 };

class StatusWindow : public QWidget {
  Q_OBJECT
 public:
  explicit StatusWindow(QWidget* parent);
  ~StatusWindow() override;

  // The SB_* messages; anything else returns 0.
  LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

  // What the bar shows, for whoever needs to read it back.
  const std::vector<int>& parts() const { return edges_; }
  QString text(int part) const;
  QIcon icon(int part) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Part {
    QString text;
    QIcon icon;
  };
  void setText(WPARAM wParam, const QString& text);
  void followParent();
  int gripRoom() const;  // width the parent's size grip takes at the bar's right end
  QRect partRect(int part) const;

  std::vector<int> edges_{-1};
  std::vector<Part> content_{Part{}};
  QPointer<QLayout> layout_;  // the parent's layout, which keeps room free for the bar
  int reservedMargin_ = 0;
};

// Creates a status bar along the bottom edge of parent (style WS_CHILD | WS_VISIBLE). While it
// exists the parent's layout leaves room for it. Destroy it with DestroyWindow.
HWND CreateStatusWindow(std::uint32_t style, const QString& text, HWND parent, unsigned id);

}  // namespace quarven::platform
