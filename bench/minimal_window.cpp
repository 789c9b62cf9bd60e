// The least a Qt Widgets program does to show a window: the floor the editor's start-up is
// measured against. It takes the editor's caption so the probe waits for it the same way.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("QUARVEN EDITOR");
  window.resize(640, 480);
  window.show();
  return app.exec();
}
