#include <QApplication>

#include "platform/desktop_style.h"
#include "rom/file_size_limit.h"
#include "ui/form1.h"

int main(int argc, char** argv) {
  quarven::ignoreFileSizeSignal();  // a write past a file-size limit fails instead of ending the editor
  QApplication app(argc, argv);
  quarven::platform::installDesktopStyle(app);
  // The open dialog comes first; the editing panel is made once it is answered.
  quarven::ui::Form1 window(quarven::ui::Form1::PanelBuild::AfterOpenDialog);
  window.Form_Load();  // the open dialog and its message come before the window
  window.show();
  return app.exec();
}
