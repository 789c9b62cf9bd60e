#include "platform/file_dialog_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "platform/message_box.h"
#include "platform/window_frame.h"

namespace quarven::platform {

namespace {
// "Text files NUL *.txt;*.text NUL ..." as Qt name filters ("Text files (*.txt *.text)").
QStringList qtNameFilters(const QString& filter) {
  QStringList pieces = filter.split(QChar(0));
  while (!pieces.isEmpty() && pieces.back().isEmpty()) pieces.removeLast();
  QStringList filters;
  for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
    filters << pieces[i] + QStringLiteral(" (") + pieces[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ') +
                   u')';
  }
  return filters;
}

// Copies text into a buffer of size characters, terminating NUL included; returns the room the
// whole text needs.
LRESULT copyToBuffer(const QString& text, WPARAM size, LPARAM buffer) {
  auto* out = reinterpret_cast<char16_t*>(buffer);
  if (out && size > 0) {
    const std::size_t n = std::min<std::size_t>(std::size_t(text.size()), size - 1);
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), n, out);
    out[n] = u'\0';
  }
  return LRESULT(text.size()) + 1;
}

std::optional<QFileDialog::DialogLabel> labelOf(int id) {
  switch (id) {
    case IDOK:
      return QFileDialog::Accept;
    case IDCANCEL:
      return QFileDialog::Reject;
    case stc2:
      return QFileDialog::FileType;
    case stc3:
      return QFileDialog::FileName;
    case stc4:
      return QFileDialog::LookIn;
    default:
      return std::nullopt;
  }
}
}  // namespace

FileDialogWindow::FileDialogWindow(OPENFILENAME& ofn, bool open, const DialogTemplate* dialogTemplate)
    : QFileDialog(ofn.hwndOwner), ofn_(ofn) {
  setOption(QFileDialog::DontUseNativeDialog);
  setOption(QFileDialog::HideNameFilterDetails);
  setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  if (open && (ofn.Flags & OFN_ALLOWMULTISELECT))
    setFileMode(QFileDialog::ExistingFiles);
  else if (open && (ofn.Flags & OFN_FILEMUSTEXIST))
    setFileMode(QFileDialog::ExistingFile);
  else
    setFileMode(QFileDialog::AnyFile);
  setOption(QFileDialog::DontConfirmOverwrite, !(ofn.Flags & OFN_OVERWRITEPROMPT));
  setWindowTitle(!ofn.lpstrTitle.isEmpty() ? ofn.lpstrTitle : open ? tr("Open") : tr("Save As"));

  const QStringList filters = qtNameFilters(ofn.lpstrFilter);
  if (!filters.isEmpty()) {
    setNameFilters(filters);
    const int index = std::clamp(int(ofn.nFilterIndex), 1, int(filters.size())) - 1;
    selectNameFilter(filters[index]);
  }
  if (!ofn.lpstrDefExt.isEmpty()) setDefaultSuffix(ofn.lpstrDefExt);
  const QString initialDir = upToNul(ofn.lpstrInitialDir);
  setDirectory(!initialDir.isEmpty() && QDir(initialDir).exists() ? initialDir : QDir::currentPath());
  if (const QString initialName = upToNul(ofn.lpstrFile); !initialName.isEmpty()) selectFile(initialName);

  buildControls(dialogTemplate);
  connectNotifications();
}

void FileDialogWindow::buildControls(const DialogTemplate* dialogTemplate) {
  auto* box = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  if (box) {
    SetDlgCtrlID(box->button(acceptMode() == AcceptOpen ? QDialogButtonBox::Open : QDialogButtonBox::Save),
                 IDOK);
    SetDlgCtrlID(box->button(QDialogButtonBox::Cancel), IDCANCEL);
    helpButton_ = box->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
    SetDlgCtrlID(helpButton_, pshHelp);
    helpButton_->setVisible(ofn_.Flags & OFN_SHOWHELP);
    connect(helpButton_, &QPushButton::clicked, this, [this] { notify(CDN_HELP); });
  }
  const std::pair<const char*, int> named[] = {{"fileTypeLabel", stc2}, {"fileNameLabel", stc3},
                                               {"lookInLabel", stc4},   {"fileTypeCombo", cmb1},
                                               {"lookInCombo", cmb2},   {"fileNameEdit", edt1}};
  for (const auto& [name, id] : named) SetDlgCtrlID(findChild<QWidget*>(QString::fromLatin1(name)), id);

  auto* grid = qobject_cast<QGridLayout*>(layout());
  readOnlyBox_ = new QCheckBox(tr("Open as &read-only"), this);
  SetDlgCtrlID(readOnlyBox_, chx1);
  readOnlyBox_->setChecked(ofn_.Flags & OFN_READONLY);
  readOnlyBox_->setVisible(!(ofn_.Flags & OFN_HIDEREADONLY));

  hookWindow_ = new QWidget(this);
  auto* row = new QHBoxLayout(hookWindow_);
  row->setContentsMargins(0, 0, 0, 0);
  if (dialogTemplate) {
    for (const TemplateButton& b : dialogTemplate->buttons) {
      auto* button = new QPushButton(b.caption, hookWindow_);
      SetDlgCtrlID(button, b.id);
      row->addWidget(button);
      connect(button, &QPushButton::clicked, this, [this, button, id = b.id] {
        callHook(WM_COMMAND, MAKEWPARAM(unsigned(id), BN_CLICKED), reinterpret_cast<LPARAM>(button));
      });
    }
  }
  row->addStretch();
  if (grid) {
    const int next = grid->rowCount();
    grid->addWidget(readOnlyBox_, next, 1);
    grid->addWidget(hookWindow_, next + 1, 0, 1, grid->columnCount());
  }
}

void FileDialogWindow::connectNotifications() {
  if (auto* model = findChild<QFileSystemModel*>()) {
    connect(model, &QFileSystemModel::rootPathChanged, this, [this](const QString& path) {
      if (up_) folderShown(path);
    });
  }
  if (auto* list = findChild<QListView*>(QStringLiteral("listView")); list && list->selectionModel()) {
    connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
      if (up_) notify(CDN_SELCHANGE);
    });
  }
}

void FileDialogWindow::callHook(UINT message, WPARAM wParam, LPARAM lParam) {
  if ((ofn_.Flags & OFN_ENABLEHOOK) && ofn_.lpfnHook) ofn_.lpfnHook(hookWindow_, message, wParam, lParam);
}

void FileDialogWindow::notify(int code) {
  const QString file = upToNul(ofn_.lpstrFile);
  OFNOTIFY note{{this, 0, code}, &ofn_, reinterpret_cast<const char16_t*>(file.utf16())};
  callHook(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&note));
}

void FileDialogWindow::folderShown(const QString& folder) {
  if (folder == folder_) return;
  folder_ = folder;
  if (!folder.isEmpty()) QDir::setCurrent(folder);  // no folder: the working folder stays
  notify(CDN_FOLDERCHANGE);
}

void FileDialogWindow::initDone() {
  // The size and frame the dialog will be shown with, so that the hook can grow and place it
  // before it appears.
  if (!testAttribute(Qt::WA_Resized)) adjustSize();
  learnFrameBeforeShowing(this);
  up_ = true;
  notify(CDN_INITDONE);
  folderShown(directory().absolutePath());
}

bool FileDialogWindow::run() {
  if (layout()) layout()->activate();
  if (const auto& prepare = commonDialogDriver().prepare) prepare(*this);
  callHook(WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(&ofn_));
  initDone();
  if (const auto& drive = commonDialogDriver().drive) {
    QTimer::singleShot(0, this, [this, drive] {
      drive(*this);
      if (isVisible()) reject();
    });
  }
  const bool chosen = exec() == QDialog::Accepted;
  up_ = false;
  return chosen;
}

// With OFN_PATHMUSTEXIST a name in a folder that does not exist is refused and the dialog stays up.
void FileDialogWindow::accept() {
  const QStringList files = selectedFiles();
  if ((ofn_.Flags & OFN_PATHMUSTEXIST) && !files.isEmpty() &&
      !QFileInfo(files.front()).absoluteDir().exists()) {
    MessageBox(this, files.front() + tr("\nPath does not exist.\nCheck the path and try again."),
               windowTitle(), MB_ICONEXCLAMATION);
    return;
  }
  QFileDialog::accept();
}

std::uint32_t FileDialogWindow::writeChoice() {
  const QStringList files = selectedFiles();
  if (files.isEmpty()) return 0;
  QString content;
  QString title;
  std::uint16_t offset = 0;
  std::uint16_t extension = 0;
  if (files.size() > 1) {
    // folder NUL name NUL name ...
    const QString folder = QFileInfo(files.front()).absolutePath();
    content = folder;
    for (const QString& f : files) content += QChar(0) + QFileInfo(f).fileName();
    offset = std::uint16_t(std::min<qsizetype>(folder.size() + 1, 0xFFFF));
  } else {
    content = QDir::cleanPath(files.front());
    const qsizetype slash = content.lastIndexOf(u'/');
    title = content.mid(slash + 1);
    offset = std::uint16_t(std::min<qsizetype>(slash + 1, 0xFFFF));
    const qsizetype dot = title.lastIndexOf(u'.');
    if (dot >= 0 && dot + 1 < title.size())
      extension = std::uint16_t(std::min<qsizetype>(offset + dot + 1, 0xFFFF));
  }
  const qsizetype needed = content.size() + (files.size() > 1 ? 2 : 1);
  if (needed > qsizetype(ofn_.nMaxFile) ||
      (title.size() + 1 > qsizetype(ofn_.nMaxFileTitle) && ofn_.nMaxFileTitle > 0)) {
    return FNERR_BUFFERTOOSMALL;
  }
  // The rest of the buffer is cleared, so nothing of an earlier, longer choice stays behind it.
  ofn_.lpstrFile =
      content + QString(std::max<qsizetype>(ofn_.lpstrFile.size(), needed) - content.size(), QChar(0));
  ofn_.lpstrFileTitle =
      title +
      QString(std::max<qsizetype>(ofn_.lpstrFileTitle.size(), title.size() + 1) - title.size(), QChar(0));
  ofn_.nFileOffset = offset;
  ofn_.nFileExtension = extension;
  // The list shows descriptions only, so its position tells the chosen pair.
  auto* types = findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  if (types && types->currentIndex() >= 0) ofn_.nFilterIndex = std::uint32_t(types->currentIndex() + 1);
  if (readOnlyBox_->isChecked())
    ofn_.Flags |= OFN_READONLY;
  else
    ofn_.Flags &= ~std::uint32_t(OFN_READONLY);
  return 0;
}

LRESULT FileDialogWindow::message(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case CDM_GETSPEC: {
      auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      return edit ? copyToBuffer(edit->text(), wParam, lParam) : -1;
    }
    case CDM_GETFOLDERPATH: {
      // The list's root; empty while it shows the file systems ("Computer" in the sidebar).
      const auto* model = findChild<QFileSystemModel*>();
      const QString folder = model ? model->rootPath() : QString();
      return folder.isEmpty() ? -1 : copyToBuffer(QDir(folder).absolutePath(), wParam, lParam);
    }
    case CDM_SETCONTROLTEXT: {
      const auto* text = reinterpret_cast<const char16_t*>(lParam);
      const QString value = text ? QString::fromUtf16(text) : QString();
      const int id = int(wParam);
      // Qt relabels some controls itself; the dialog's own labels keep a caption set here.
      if (const auto label = labelOf(id)) {
        setLabelText(*label, value);
        return 1;
      }
      return SetWindowText(GetDlgItem(this, id), value) ? 1 : 0;
    }
    case CDM_HIDECONTROL: {
      HWND control = GetDlgItem(this, int(wParam));
      if (control) control->hide();
      return control ? 1 : 0;
    }
    default:
      return 0;
  }
}

}  // namespace quarven::platform
