// The least a Qt Widgets program does to show a window: the floors the editor's start-up is
// measured against. The window takes the editor's caption so the probe waits for it the same way.
// With --text it also shows a line of text, which makes Qt load its fonts as every real window with
// text must. With --dialog it first shows Qt's own (non-native) file dialog with the editor's
// title and filter, as the editor must before its window, and shows the window with text once the
// dialog is answered.

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <cstring>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const bool dialog = argc > 1 && std::strcmp(argv[1], "--dialog") == 0;
  if (dialog) {
    QFileDialog open(nullptr, QStringLiteral("Open A SNES QUARVEN Rom."), QString(),
                     QStringLiteral("QUARVEN Rom (*.smc*)"));
    open.setOption(QFileDialog::DontUseNativeDialog);
    open.exec();
  }
  QMainWindow window;
  window.setWindowTitle("QUARVEN EDITOR");
  if (dialog || (argc > 1 && std::strcmp(argv[1], "--text") == 0))
    window.setCentralWidget(new QLabel("QUARVEN EDITOR"));
  window.resize(640, 480);
  window.show();
  return app.exec();
}
