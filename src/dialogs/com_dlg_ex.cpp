#include "dialogs/com_dlg_ex.h"

#include "platform/message_box.h"
#include "platform/system_info.h"

namespace quarven::dialogs {

using namespace quarven::platform;

namespace {
// Any path the file system takes fits the buffers of one name.
constexpr std::uint32_t kMaxFileSingle = MAX_PATH;
constexpr std::uint32_t kMaxFileMulti = 13001;
constexpr std::uint32_t kMaxFileTitle = MAX_PATH;
const QChar kNul(0);

bool hasDriveLetter(const QString& path) {
  return path.size() >= 2 && path[1] == u':' && path[0].isLetter() && path[0].unicode() < 0x80;
}

bool isTemplateError(std::uint32_t error) {
  return error == CDERR_NOTEMPLATE || error == CDERR_NOHINSTANCE || error == CDERR_FINDRESFAILURE;
}
}  // namespace

bool readChoice(const OPENFILENAME& ofn, DialogChoice& choice) {
  const qsizetype end = (ofn.lpstrFile + kNul).indexOf(QString(2, kNul));
  if (end < 0) return false;
  QString fileName = ofn.lpstrFile.left(end);
  choice.FileTitle = upToNul(ofn.lpstrFileTitle);
  QString directory = ofn.nFileOffset >= 1 ? fileName.left(ofn.nFileOffset - 1) : QString();
  if (directory.isEmpty() && fileName.startsWith(u'/')) directory = QStringLiteral("/");
  if (ofn.nFileExtension != 0) choice.Extension = fileName.mid(ofn.nFileExtension);

  const bool drive = hasDriveLetter(directory);
  const QChar separator = drive ? u'\\' : u'/';
  if (!choice.FileTitle.isEmpty()) {
    choice.FileTitles << fileName.mid(ofn.nFileOffset);
    choice.FileNames << fileName;
  } else if (const QStringList pieces = fileName.split(kNul); pieces.size() > 1) {
    // A root folder (C:\ or /) already ends in its separator.
    const QString folder = directory.endsWith(separator) ? directory : directory + separator;
    for (qsizetype i = 1; i < pieces.size(); ++i) {
      choice.FileTitles << pieces[i];
      choice.FileNames << (pieces[i].contains(separator) ? pieces[i] : folder + pieces[i]);
    }
    fileName.clear();
  }
  if (drive && directory.size() == 2) directory += u'\\';  // a drive root ends in a backslash
  choice.FileName = fileName;
  choice.Directory = directory;
  return true;
}

ComDlgEx::ComDlgEx() {
  ofn_.Flags |= OFN_LONGNAMES | OFN_EXPLORER | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
  gDlg = this;
  OSVERSIONINFO version;
  version.dwOSVersionInfoSize = 148;
  if (GetVersionEx(&version)) hook_.isNT = (version.dwPlatformId & 2) != 0;
}

ComDlgEx::~ComDlgEx() {
  // The hook must not read an object that is gone.
  if (gDlg == this) gDlg = nullptr;
}

void ComDlgEx::SetFlag(std::uint32_t flag, bool on) {
  if (on)
    ofn_.Flags |= flag;
  else
    ofn_.Flags &= ~flag;
}

void ComDlgEx::Filter(const QString& filter) {
  QString stored = filter;
  stored.replace(u'|', kNul);
  ofn_.lpstrFilter = stored + kNul;
}

void ComDlgEx::Filter(const QStringList& pieces) {
  Filter(pieces.join(kNul));
}

std::optional<QString> ComDlgEx::Filter() const {
  const std::int64_t k = ofn_.nFilterIndex;
  if (k == 0) return std::nullopt;
  const QStringList pieces = ofn_.lpstrFilter.split(kNul);
  if (2 * k - 1 >= pieces.size()) return std::nullopt;
  return pieces[2 * k - 2] + u'|' + pieces[2 * k - 1];
}

void ComDlgEx::FileName(const QString& name) {
  if (name.size() < qsizetype(kMaxFileSingle)) ofn_.lpstrFile = name;
}

void ComDlgEx::Extension(const QString& extension) {
  QString stored = extension;
  stored.remove(u'.');
  ofn_.lpstrDefExt = stored.left(3).toLower();
}

void ComDlgEx::CheckBoxCaption(const QString& caption) {
  checkBoxCaption_ = caption;
  if (!caption.isEmpty()) SetFlag(OFN_HIDEREADONLY, false);
}

void ComDlgEx::HelpMessage(const QString& message) {
  helpMessage_ = message;
  SetFlag(OFN_SHOWHELP, true);
}

bool ComDlgEx::ShowSave() {
  SetFlag(OFN_ALLOWMULTISELECT, false);
  SetFlag(OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT, true);
  return Show(false);
}

bool ComDlgEx::callDialog(bool open) {
  for (;;) {
    const bool result = open ? GetOpenFileName(&ofn_) : GetSaveFileName(&ofn_);
    // A template that cannot be had is reported once; the dialog then shows without it.
    if (!isTemplateError(CommDlgExtendedError()) || !hasFlag(OFN_ENABLETEMPLATE)) return result;
    MessageBox(ofn_.hwndOwner,
               QStringLiteral("Template Library or Template ID not found.") + u'\r' +
                   QStringLiteral("Continuing without Template..."),
               QStringLiteral("QUARVEN_EDITOR"), MB_OK);
    SetFlag(OFN_ENABLETEMPLATE, false);
  }
}

void ComDlgEx::releaseDialogHandles() {
  FreeLibrary(ofn_.hInstance);
  ofn_.hInstance = 0;
  ReleaseDC(hook_.statusBar, hook_.statusBarDC);
  DestroyIcon(hook_.dlgIcon);
  DestroyIcon(hook_.fileIcon);
  DestroyWindow(hook_.statusBar);
  hook_.statusBar = nullptr;
  hook_.statusBarDC = 0;
  hook_.dlgIcon = 0;
  hook_.fileIcon = 0;
}

bool ComDlgEx::Show(bool open) {
  ofn_.lStructSize = kOpenFileNameSize;
  ofn_.hwndOwner = GetActiveWindow();
  if (hasFlag(OFN_READONLY)) SetFlag(OFN_HIDEREADONLY, false);
  ofn_.nMaxFile = hasFlag(OFN_ALLOWMULTISELECT) ? kMaxFileMulti : kMaxFileSingle;
  ofn_.nMaxFileTitle = kMaxFileTitle;
  if (ofn_.lpstrFile.size() < qsizetype(ofn_.nMaxFile - 1)) {
    ofn_.lpstrFile += QString(ofn_.nMaxFile - 1 - ofn_.lpstrFile.size(), kNul);
  }
  ofn_.lpstrFileTitle = QString(kMaxFileTitle - 1, kNul);
  if (!templateLibrary_.isEmpty()) {
    SetFlag(OFN_ENABLETEMPLATE, true);
    ofn_.hInstance = LoadLibrary(templateLibrary_);
    ofn_.lpTemplateName = templateId_;
    // No library: the plain dialog, without a word.
    if (!ofn_.hInstance) SetFlag(OFN_ENABLETEMPLATE, false);
  }
  ofn_.lpfnHook = HookAddress(&ComDlgHookProc);
  ofn_.lCustData = reinterpret_cast<std::intptr_t>(&hook_);

  const bool result = callDialog(open);
  if (result) readChoice(ofn_, choice_);
  releaseDialogHandles();
  return result;
}

}  // namespace quarven::dialogs
