#pragma once
// The main window's client area: the background colour with the background picture drawn
// unscaled from its top-left corner. The controls are placed on it at fixed positions.

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace quarven::ui {

class ClientArea : public QWidget {
  Q_OBJECT
 public:
  ClientArea(QColor background, QPixmap picture, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  QPixmap picture_;
};

}  // namespace quarven::ui
