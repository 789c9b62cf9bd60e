#pragma once
// The main window's client area: the background colour with the background picture drawn
// unscaled from its top-left corner. The picture is drawn when the area is first painted. The
// controls are placed on it at fixed positions.

#include <QColor>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace quarven::ui {

class ClientArea : public QWidget {
  Q_OBJECT
 public:
  ClientArea(QColor background, std::function<QPixmap()> drawPicture, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  std::function<QPixmap()> drawPicture_;
  QPixmap picture_;
};

}  // namespace quarven::ui
