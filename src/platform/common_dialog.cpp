#include "platform/common_dialog.h"

#include <QDir>

#include "platform/file_dialog_window.h"

namespace quarven::platform {

namespace {
std::uint32_t& lastError() {
  static std::uint32_t error = 0;
  return error;
}

CommonDialogDriver& driver() {
  static CommonDialogDriver d;
  return d;
}

// The failure code of a record the dialog cannot be shown with, else 0.
std::uint32_t checkRecord(const OPENFILENAME& ofn, const DialogTemplate** dialogTemplate) {
  if (ofn.lStructSize != kOpenFileNameSize) return CDERR_STRUCTSIZE;
  if ((ofn.Flags & OFN_ENABLEHOOK) && !ofn.lpfnHook) return CDERR_NOHOOK;
  if (ofn.Flags & OFN_ENABLETEMPLATE) {
    if (!ofn.hInstance) return CDERR_NOHINSTANCE;
    const bool numbered = ofn.lpTemplateName > 0 && ofn.lpTemplateName <= 0xFFFF;
    *dialogTemplate = numbered ? FindDialogTemplate(ofn.hInstance, int(ofn.lpTemplateName)) : nullptr;
    if (!*dialogTemplate) return CDERR_FINDRESFAILURE;
  }
  return 0;
}

bool showFileDialog(OPENFILENAME* ofn, bool open) {
  lastError() = 0;
  if (!ofn) {
    lastError() = CDERR_INITIALIZATION;
    return false;
  }
  const DialogTemplate* dialogTemplate = nullptr;
  if ((lastError() = checkRecord(*ofn, &dialogTemplate)) != 0) return false;

  const QString startFolder = QDir::currentPath();
  bool chosen = false;
  {
    FileDialogWindow dialog(*ofn, open, dialogTemplate);
    chosen = dialog.run();
    if (chosen) {
      lastError() = dialog.writeChoice();
      chosen = lastError() == 0;
    }
  }
  if (ofn->Flags & OFN_NOCHANGEDIR) QDir::setCurrent(startFolder);
  return chosen;
}
}  // namespace

QString upToNul(const QString& buffer) {
  const qsizetype end = buffer.indexOf(QChar(0));
  return end < 0 ? buffer : buffer.left(end);
}

bool GetOpenFileName(OPENFILENAME* ofn) {
  return showFileDialog(ofn, true);
}
bool GetSaveFileName(OPENFILENAME* ofn) {
  return showFileDialog(ofn, false);
}
std::uint32_t CommDlgExtendedError() {
  return lastError();
}

void setCommonDialogDriver(CommonDialogDriver d) {
  driver() = std::move(d);
}
const CommonDialogDriver& commonDialogDriver() {
  return driver();
}

}  // namespace quarven::platform
