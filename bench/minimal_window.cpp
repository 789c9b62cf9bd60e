// The least a Qt Widgets program does to show a window: the floor the editor's start-up is
// measured against. It takes the editor's caption so the probe waits for it the same way. With
// --text the window also shows a line of text, which makes Qt load its fonts as every real window
// with text must.

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle("QUARVEN EDITOR");
  if (argc > 1 && std::strcmp(argv[1], "--text") == 0) window.setCentralWidget(new QLabel("QUARVEN EDITOR"));
  window.resize(640, 480);
  window.show();
  return app.exec();
}
