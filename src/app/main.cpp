#include <QApplication>

#include "ui/form1.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  quarven::ui::Form1 window;
  window.Form_Load();  // the open dialog and its message come before the window
  window.show();
  return app.exec();
}
