#pragma once
// The open and save file dialog class: set properties, call ShowOpen or ShowSave, read the
// results. Captions, the template's buttons, the status bar, centring, the dialog icon and the
// help message are carried out by the hook (com_dlg_hook.h) while the dialog is up. Every new
// object becomes the one the hook serves.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>

#include "dialogs/com_dlg_hook.h"
#include "platform/common_dialog.h"

namespace quarven::dialogs {

// What a successful show chose.
struct DialogChoice {
  QString FileName;  // full path; empty after a multiple selection
  QString FileTitle;
  QString Directory;
  QString Extension;
  QStringList FileNames;  // grow with every choice
  QStringList FileTitles;
};

// Reads the record's buffers after a successful show into choice. Paths with a drive letter
// ("C:\roms") follow the drive rules (a drive root ends in a backslash); other paths are POSIX
// paths. Returns false when the file buffer holds no name, leaving choice as it was.
bool readChoice(const platform::OPENFILENAME& ofn, DialogChoice& choice);

class ComDlgEx {
 public:
  ComDlgEx();
  ~ComDlgEx();
  ComDlgEx(const ComDlgEx&) = delete;
  ComDlgEx& operator=(const ComDlgEx&) = delete;

  void AllowMultiSelect(const bool& on) { SetFlag(platform::OFN_ALLOWMULTISELECT, on); }
  bool AllowMultiSelect() const { return hasFlag(platform::OFN_ALLOWMULTISELECT); }
  void DialogTitle(const QString& title) { ofn_.lpstrTitle = title; }
  // "Description|pattern|..." or a list of its pieces.
  void Filter(const QString& filter);
  void Filter(const QStringList& pieces);
  // "Description|pattern" of the pair FilterIndex chooses; none when FilterIndex is 0.
  std::optional<QString> Filter() const;
  void FilterIndex(const std::int32_t& index) { ofn_.nFilterIndex = std::uint32_t(index); }
  std::int32_t FilterIndex() const { return std::int32_t(ofn_.nFilterIndex); }
  void RestoreCurDir(const bool& on) { SetFlag(platform::OFN_NOCHANGEDIR, on); }
  void ExistFlags(const std::int32_t& flags) { ofn_.Flags |= std::uint32_t(flags); }
  void CheckBoxVisible(const bool& on) { SetFlag(platform::OFN_HIDEREADONLY, !on); }
  bool CheckBoxVisible() const { return !hasFlag(platform::OFN_HIDEREADONLY); }
  void CheckBoxSelected(const bool& on) { SetFlag(platform::OFN_READONLY, on); }
  bool CheckBoxSelected() const { return hasFlag(platform::OFN_READONLY); }
  // The initial name; one too long for the file buffer (MAX_PATH characters or more) is ignored.
  void FileName(const QString& name);
  QString FileName() const { return choice_.FileName; }
  const QStringList& FileNames() const { return choice_.FileNames; }
  QString FileTitle() const { return choice_.FileTitle; }
  const QStringList& FileTitles() const { return choice_.FileTitles; }
  // The initial folder; after a show, the chosen file's folder.
  void Directory(const QString& folder) { ofn_.lpstrInitialDir = folder; }
  QString Directory() const { return choice_.Directory; }
  // The default extension: without dots, at most 3 characters, lower case.
  void Extension(const QString& extension);
  QString Extension() const { return choice_.Extension; }
  void CheckBoxCaption(const QString& caption);
  QString CheckBoxCaption() const { return checkBoxCaption_; }
  void StatusbarVisible(const bool& on) { statusbarVisible_ = on; }
  bool StatusbarVisible() const { return statusbarVisible_; }
  // 0 no centring, 1 over the owner window, 2 on the screen.
  void CenterDialog(const std::int32_t& how) { centerDialog_ = how; }
  std::int32_t CenterDialog() const { return centerDialog_; }
  // 1 hides the look-in label and list, 2 the file-name label and box, 4 the file-type pair.
  void HideControls(const std::int32_t& bits) { hideControls_ = bits; }
  std::int32_t HideControls() const { return hideControls_; }

  // Captions of the template's buttons 101 to 105; an empty one hides its button.
  void txtButton1(const QString& c) { captions_[kButton1] = c; }
  QString txtButton1() const { return captions_[kButton1]; }
  void txtButton2(const QString& c) { captions_[kButton1 + 1] = c; }
  QString txtButton2() const { return captions_[kButton1 + 1]; }
  void txtButton3(const QString& c) { captions_[kButton1 + 2] = c; }
  QString txtButton3() const { return captions_[kButton1 + 2]; }
  void txtButton4(const QString& c) { captions_[kButton1 + 3] = c; }
  QString txtButton4() const { return captions_[kButton1 + 3]; }
  void txtButton5(const QString& c) { captions_[kButton1 + 4] = c; }
  QString txtButton5() const { return captions_[kButton1 + 4]; }
  // Button i (1 to 5) by number; empty outside that range.
  QString txtButton(int i) const { return i >= 1 && i <= 5 ? captions_[kButton1 + i - 1] : QString(); }

  // Captions of the dialog's own buttons and labels; empty keeps the platform's.
  void txtButtonOK(const QString& c) { captions_[kOK] = c; }
  QString txtButtonOK() const { return captions_[kOK]; }
  void txtButtonCancel(const QString& c) { captions_[kCancel] = c; }
  QString txtButtonCancel() const { return captions_[kCancel]; }
  void txtButtonHelp(const QString& c) { captions_[kHelp] = c; }
  QString txtButtonHelp() const { return captions_[kHelp]; }
  void txtLabelLookIn(const QString& c) { captions_[kLookIn] = c; }
  QString txtLabelLookIn() const { return captions_[kLookIn]; }
  void txtLabelFileName(const QString& c) { captions_[kFileNameLabel] = c; }
  QString txtLabelFileName() const { return captions_[kFileNameLabel]; }
  void txtLabelFileType(const QString& c) { captions_[kFileTypeLabel] = c; }
  QString txtLabelFileType() const { return captions_[kFileTypeLabel]; }

  // Shown by the Help button; setting it, even to an empty text, shows the Help button.
  void HelpMessage(const QString& message);
  QString HelpMessage() const { return helpMessage_; }
  void IconFile(const QString& file) { iconFile_ = file; }
  QString IconFile() const { return iconFile_; }
  void IconIndex(const std::int32_t& index) { iconIndex_ = index; }
  std::int32_t IconIndex() const { return iconIndex_; }
  void TemplateLibrary(const QString& fileName) { templateLibrary_ = fileName; }
  void TemplateID(const std::int32_t& id) { templateId_ = id; }

  bool ShowOpen() { return Show(true); }
  bool ShowSave();
  // True when the user confirmed a choice.
  bool Show(bool open);

  // The dialog record as it stands (flags, buffers, what the dialog wrote back).
  const platform::OPENFILENAME& record() const { return ofn_; }
  // What the hook keeps for this object's dialog; its handles are released after each show.
  const HookState& hookState() const { return hook_; }

 private:
  enum Caption {
    kButton1 = 0,
    kOK = 5,
    kCancel,
    kHelp,
    kLookIn,
    kFileNameLabel,
    kFileTypeLabel,
    kCaptionCount
  };

  void SetFlag(std::uint32_t flag, bool on);
  bool hasFlag(std::uint32_t flag) const { return (ofn_.Flags & flag) != 0; }
  static platform::LPOFNHOOKPROC HookAddress(platform::LPOFNHOOKPROC address) { return address; }
  bool callDialog(bool open);
  void releaseDialogHandles();

  platform::OPENFILENAME ofn_;
  HookState hook_;
  DialogChoice choice_;
  std::int32_t centerDialog_ = 0;
  std::int32_t hideControls_ = 0;
  bool statusbarVisible_ = false;
  std::array<QString, kCaptionCount> captions_;
  QString checkBoxCaption_;
  QString helpMessage_;
  QString iconFile_;
  std::int32_t iconIndex_ = 0;
  QString templateLibrary_;
  std::int32_t templateId_ = 0;
};

}  // namespace quarven::dialogs
