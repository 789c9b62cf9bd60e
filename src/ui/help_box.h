#pragma once
// The help box: a read-only, multi-line text with a vertical scroll bar that reports a double
// click inside it.

#include <QPlainTextEdit>

namespace quarven::ui {

class HelpBox : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit HelpBox(QWidget* parent = nullptr);

 signals:
  void doubleClicked();

 protected:
  bool event(QEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace quarven::ui
