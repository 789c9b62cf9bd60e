#include <QApplication>

#include "ui/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quarven::ui::Form1 window;
  window.show();
  return app.exec();
}
