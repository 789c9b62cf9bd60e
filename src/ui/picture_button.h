#pragma once
// A picture button as the desktop draws one: the picture centred on a flat face of one colour
// within a plain raised edge. While it is pressed the edge is sunken and the picture moves one
// pixel down and right; while it has the focus a dotted rectangle runs inside the edge, and Space,
// Return or keypad Enter press it.

#include <QColor>
#include <QPixmap>
#include <QPushButton>

namespace quarven::ui {

class PictureButton : public QPushButton {
  Q_OBJECT
 public:
  PictureButton(const QPixmap& picture, const QColor& face, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap picture_;
  QColor face_;
};

}  // namespace quarven::ui
