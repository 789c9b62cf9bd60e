#pragma once
// The window behind GetOpenFileName and GetSaveFileName: Qt's file dialog set up from the record,
// with the desktop dialog's extra controls (Help button, read-only check box), its control
// identifiers, the hook's own window holding the template's buttons, and the hook's messages.

#include <QFileDialog>

#include "platform/common_dialog.h"

class QCheckBox;
class QPushButton;

namespace quarven::platform {

class FileDialogWindow : public QFileDialog {
  Q_OBJECT
 public:
  FileDialogWindow(OPENFILENAME& ofn, bool open, const DialogTemplate* dialogTemplate);

  // Runs the dialog modally with its hook calls; true when the user chose.
  bool run();
  // Writes the choice into the record; FNERR_BUFFERTOOSMALL or 0.
  std::uint32_t writeChoice();

  // The CDM_* messages.
  LRESULT message(UINT message, WPARAM wParam, LPARAM lParam);

 protected:
  void accept() override;

 private:
  void buildControls(const DialogTemplate* dialogTemplate);
  void connectNotifications();
  void callHook(UINT message, WPARAM wParam, LPARAM lParam);
  void notify(int code);
  void folderShown(const QString& folder);
  void initDone();

  OPENFILENAME& ofn_;
  QWidget* hookWindow_ = nullptr;
  QPushButton* helpButton_ = nullptr;
  QCheckBox* readOnlyBox_ = nullptr;
  QString folder_;  // the folder last reported; empty for no file-system folder
  bool up_ = false;
};

}  // namespace quarven::platform
