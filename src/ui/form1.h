#pragma once
// The editor's main window.

#include <QMainWindow>

namespace quarven::ui {

class Form1 : public QMainWindow {
  Q_OBJECT
 public:
  explicit Form1(QWidget* parent = nullptr);
};

}  // namespace quarven::ui
