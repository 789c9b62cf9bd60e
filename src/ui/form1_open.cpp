// Opening a ROM image: the open dialog, the signature check and what the window does with the
// outcome, at start-up (Form_Load) and from "Open &Rom" (mnuOpen_Click).

#include <QFile>
#include <QLabel>

#include "dialogs/com_dlg_ex.h"
#include "platform/message_box.h"
#include "rom/messenger.h"
#include "rom/rom_check.h"
#include "rom/rom_image.h"
#include "ui/form1.h"
#include "ui/team_toolbar.h"

namespace quarven::ui {

namespace {

enum class OpenOutcome { Accepted, Rejected, Failed };

// A path as the file system takes it.
std::string localFileName(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

// Reads the chosen file's signature byte into Label3's caption and compares the caption with
// "AF". A file that does not exist is not created: it cannot be opened, like any other file that
// cannot be read, and neither is anything but a regular file (a named pipe would hold the window up).
OpenOutcome checkChosenFile(const QString& fileName, QLabel& label3) {
  const std::optional<SignatureCheck> check = checkRomFile(localFileName(fileName));
  if (!check) return OpenOutcome::Failed;
  label3.setText(QString::fromStdString(check->hexText));
  return label3.text() == QStringLiteral("AF") ? OpenOutcome::Accepted : OpenOutcome::Rejected;
}

}  // namespace

void Form1::Form_Load() {
  openRom(false);
}

void Form1::mnuOpen_Click() {
  if (!mayLeaveTeam()) return;
  openRom(true);
}

void Form1::openRom(bool fromMenu) {
  dialogs::ComDlgEx dlg;  // a new dialog object for every attempt
  dlg.AllowMultiSelect(false);
  dlg.CenterDialog(1);
  dlg.DialogTitle(QStringLiteral("Open A SNES QUARVEN Rom."));
  dlg.TemplateLibrary(QStringLiteral("COMDLGEX.dll"));
  dlg.TemplateID(100);
  dlg.StatusbarVisible(true);
  dlg.Filter(QStringLiteral("QUARVEN Rom|*.smc*"));
  dlg.ShowOpen();  // a cancel shows as an empty FileName
  buildPanel();

  switch (checkChosenFile(dlg.FileName(), *Label3)) {
    case OpenOutcome::Accepted:
      rompath = dlg.FileName();
      Toolbar1->show();
      if (fromMenu) noshowboxes();
      break;
    case OpenOutcome::Rejected:
      showEditorMessage(QStringLiteral("This is not a SNES QUARVEN rom."));
      if (fromMenu) {
        clearboxes();
        noshowboxes();
        Toolbar1->hide();
      }
      break;
    case OpenOutcome::Failed:
      showEditorMessage(QStringLiteral("Please select a SNES QUARVEN rom."));
      if (fromMenu) Toolbar1->hide();
      break;
  }
}

FileRomOpener Form1::romOpener() const {
  return FileRomOpener(localFileName(rompath));
}

void Form1::showEditorMessage(const QString& text) {
  platform::MessageBox(this, text, QString::fromLatin1(kAppTitle), platform::MB_OK);
}

}  // namespace quarven::ui
