#include "dialogs/com_dlg_hook.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <cmath>

#include "dialogs/com_dlg_ex.h"
#include "platform/message_box.h"
#include "platform/status_window.h"

namespace quarven::dialogs {

using namespace quarven::platform;

namespace {
const QString kAppTitle = QStringLiteral("QUARVEN_EDITOR");

// The text a filling message left in buffer, n being its answer (length + 1); none for a failure.
std::optional<QString> filledText(const QString& buffer, LRESULT n) {
  if (n < 1) return std::nullopt;
  return upToNul(buffer.left(std::min<qsizetype>(n - 1, buffer.size())));
}

std::optional<QString> askDialog(UINT message, std::int32_t bufferLength) {
  QString buffer(bufferLength, QChar(0));
  const LRESULT n =
      SendMessage(gDialogWnd, message, WPARAM(bufferLength), reinterpret_cast<LPARAM>(buffer.data()));
  return filledText(buffer, n);
}

// A control's rectangle with its top-left corner in the dialog's client coordinates.
std::optional<RECT> clientRect(int id) {
  HWND control = GetDlgItem(gDialogWnd, id);
  RECT r;
  if (!control || !GetWindowRect(control, &r)) return std::nullopt;
  POINT topLeft{r.left, r.top};
  if (!ScreenToClient(gDialogWnd, &topLeft)) return std::nullopt;
  return RECT{topLeft.x, topLeft.y, topLeft.x + r.width(), topLeft.y + r.height()};
}

void setPartText(int part, const QString& text) {
  if (gIsNT) {
    SendMessage(gStatusBar, SB_SETTEXTW, WPARAM(part), reinterpret_cast<LPARAM>(text.utf16()));
  } else {
    const QByteArray narrow = text.toLocal8Bit();
    SendMessage(gStatusBar, SB_SETTEXTA, WPARAM(part), reinterpret_cast<LPARAM>(narrow.constData()));
  }
}

void initDialog(HWND window) {
  if (!gDlg) return;
  const ComDlgEx& dlg = *gDlg;
  if (!dlg.IconFile().isEmpty()) SetDialogIcon(dlg.IconFile(), dlg.IconIndex());
  AdjustLabels();
  SetControlText(IDOK, dlg.txtButtonOK());
  SetControlText(IDCANCEL, dlg.txtButtonCancel());
  SetControlText(pshHelp, dlg.txtButtonHelp());
  SetControlText(stc4, dlg.txtLabelLookIn());
  for (int i = 1; i <= 5; ++i) {
    HWND button = GetDlgItem(window, 100 + i);
    if (!button) continue;
    const QString caption = dlg.txtButton(i);
    if (!caption.isEmpty()) {
      ShowWindow(button, SW_SHOWNORMAL);
      SetWindowText(button, caption);
    } else {
      ShowWindow(button, SW_HIDE);
    }
  }
  const std::int32_t hide = dlg.HideControls();
  if (hide & 1) HideControlPair(stc4, cmb2);
  if (hide & 2) HideControlPair(stc3, edt1);
  if (hide & 4) HideControlPair(stc2, cmb1);
}

void selectionChanged() {
  gBufLen = gDlg->AllowMultiSelect() ? 13000 : std::int32_t(MAX_PATH);
  const std::optional<QString> spec = askDialog(CDM_GETSPEC, gBufLen);
  if (!spec) return;
  if (spec->contains(u'"')) {
    const double count = double(spec->split(u'"').size() - 1) / 2;
    UpdateStatusBar(kIconOfFile, 2, QDir::currentPath(),
                    QString::number(count) + QStringLiteral(" files selected"), QString());
    return;
  }
  const QFileInfo file(*spec);  // relative names are taken in the working folder
  if (spec->isEmpty() || !file.isFile()) return;
  UpdateStatusBar(kIconOfFile, 3, *spec, FormatSize(double(file.size())), FormatDate(file.lastModified()));
}

void notified(LPARAM lParam) {
  if (!lParam) return;
  gNotifyHdr = *reinterpret_cast<const NMHDR*>(lParam);
  if (!gDlg) return;
  const ComDlgEx& dlg = *gDlg;
  switch (gNotifyHdr.code) {
    case CDN_INITDONE:
      if (dlg.StatusbarVisible()) CreateStatusBar();
      if (dlg.CenterDialog() == 1)
        CenterWindow(GetParent(gDialogWnd), gDialogWnd);
      else if (dlg.CenterDialog() == 2)
        CenterWindow(GetDesktopWindow(), gDialogWnd);
      break;
    case CDN_FOLDERCHANGE:
      if (!dlg.StatusbarVisible()) break;
      if (const auto folder = askDialog(CDM_GETFOLDERPATH, MAX_PATH)) {
        UpdateStatusBar(kIconOfFile, 1, *folder, QString(), QString());
      } else {
        UpdateStatusBar(kIconOfName, 1, QStringLiteral("(No folder selected)"), QString(), QString());
      }
      break;
    case CDN_SELCHANGE:
      if (dlg.StatusbarVisible()) selectionChanged();
      break;
    case CDN_HELP:
      ShowHelpMessage(dlg.HelpMessage(), GetWinText(GetDlgItem(gDialogWnd, pshHelp)).remove(u'&'));
      break;
    default:
      break;
  }
}

void commanded(WPARAM wParam) {
  static const char* const kMessages[] = {"Put Copy File code here", "Put Move File code here",
                                          "Put Delete File code here", "Put Print File code here",
                                          "Put in the About Box code here"};
  const int id = LoWord(std::uint32_t(wParam));
  if (id >= 101 && id <= 105)
    MessageBox(gDialogWnd, QString::fromLatin1(kMessages[id - 101]), kAppTitle, MB_OK);
}
}  // namespace

std::uintptr_t ComDlgHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  gDialogWnd = GetParent(window);
  if (!gDialogWnd) return 0;
  switch (message) {
    case WM_INITDIALOG:
      initDialog(window);
      break;
    case WM_NOTIFY:
      notified(lParam);
      break;
    case WM_COMMAND:
      commanded(wParam);
      break;
    default:
      break;
  }
  return 0;
}

void HideControlPair(int first, int second) {
  SendMessage(gDialogWnd, CDM_HIDECONTROL, WPARAM(first), 0);
  SendMessage(gDialogWnd, CDM_HIDECONTROL, WPARAM(second), 0);
}

void SetControlText(int id, const QString& text) {
  if (!text.isEmpty())
    SendMessage(gDialogWnd, CDM_SETCONTROLTEXT, WPARAM(id), reinterpret_cast<LPARAM>(text.utf16()));
}

QString GetWinText(HWND window) {
  return GetWindowText(window).left(254);
}

void CenterWindow(HWND reference, HWND window) {
  RECT r, w;
  if (!reference || !window || !GetWindowRect(reference, &r) || !GetWindowRect(window, &w)) return;
  SetWindowPos(window, HWND_TOP, r.left + (r.width() - w.width()) / 2, r.top + (r.height() - w.height()) / 2,
               0, 0, SWP_NOSIZE);
}

void computePartEdges(int width) {
  // Halves round to the even neighbour, as nearbyint does in the default rounding mode.
  gParts1 = {-1};
  gParts2 = {int(std::nearbyint(width * 0.78)), -1};
  const int first = int(std::nearbyint(width * 0.67));
  gParts3 = {first, int(std::nearbyint(width * 0.11)) + first, -1};
}

void CreateStatusBar() {
  constexpr std::uint32_t kStyle = WS_CHILD | WS_VISIBLE;
  gStatusBar = CreateStatusWindow(kStyle, QString(), gDialogWnd, 0);
  RECT bar, dialog;
  if (!GetWindowRect(gStatusBar, &bar) || !GetWindowRect(gDialogWnd, &dialog)) return;
  SetWindowPos(gDialogWnd, HWND_TOP, 0, 0, dialog.width(), dialog.height() + bar.height(), SWP_NOMOVE);
  // Made again, so that it sits at the grown dialog's bottom edge.
  DestroyWindow(gStatusBar);
  gStatusBar = CreateStatusWindow(kStyle, QString(), gDialogWnd, 0);
  computePartEdges(bar.width());
  gStatusBarDC = GetDC(gStatusBar);
}

void UpdateStatusBar(std::uint32_t iconFlags, int partCount, const QString& text1, const QString& text2,
                     const QString& text3) {
  if (!gStatusBar || partCount < 1 || partCount > 3) return;
  DestroyIcon(gFileIcon);
  gFileIcon = SHGetFileInfo(text1, 0, &gFileInfo, 352, iconFlags) ? gFileInfo.hIcon : 0;
  if (partCount == 1)
    gParts.assign(gParts1.begin(), gParts1.end());
  else if (partCount == 2)
    gParts.assign(gParts2.begin(), gParts2.end());
  else
    gParts.assign(gParts3.begin(), gParts3.end());
  QString shown = text1;
  PathCompactPath(gStatusBarDC, shown, gParts.front());
  SendMessage(gStatusBar, SB_SETPARTS, WPARAM(partCount), reinterpret_cast<LPARAM>(gParts.data()));
  SendMessage(gStatusBar, SB_SETICON, 0, LPARAM(gFileIcon));
  setPartText(0, shown);
  if (!text2.isEmpty()) setPartText(1, u'\t' + text2);
  if (!text3.isEmpty()) setPartText(2, u'\t' + text3);
}

void SetDialogIcon(const QString& file, std::int32_t index) {
  gDlgIcon = index < 0 ? 0 : ExtractIcon(0, file, unsigned(index));
  if (gDlgIcon) SendMessage(gDialogWnd, WM_SETICON, ICON_SMALL, LPARAM(gDlgIcon));
}

std::uint16_t LoWord(std::uint32_t value) {
  return std::uint16_t(value & 0xFFFF);
}

QString FormatSize(double bytes) {
  const QLocale locale;
  if (bytes >= 1048576) return locale.toString(bytes / 1048576, 'f', 2) + QStringLiteral("MB");
  if (bytes >= 1024) {
    const int decimals = std::llround(bytes) % 1024 != 0 ? 1 : 0;
    return locale.toString(bytes / 1024, 'f', decimals) + QStringLiteral("KB");
  }
  return locale.toString(bytes, 'f', 0) + QStringLiteral(" bytes");
}

QString FormatDate(const QDateTime& when) {
  const QLocale locale;
  return locale.toString(when.date(), QLocale::ShortFormat) + u' ' +
         locale.toString(when.time(), QStringLiteral("hh:mm AP"));
}

void AdjustLabels() {
  if (!gDlg) return;
  const ComDlgEx& dlg = *gDlg;
  const auto box = clientRect(edt1);
  const auto label = clientRect(stc3);
  if (!box || !label) return;
  const int xBox = box->left;
  const int xLabel = label->left;
  const int labelRoom = xBox - xLabel;
  if (!dlg.CheckBoxCaption().isEmpty()) {
    PlaceControl(chx1, xBox, box->width());
    SetControlText(chx1, dlg.CheckBoxCaption());
  }
  if (!dlg.txtLabelFileName().isEmpty()) {
    PlaceControl(stc3, xLabel, labelRoom);
    SetControlText(stc3, dlg.txtLabelFileName());
  }
  if (!dlg.txtLabelFileType().isEmpty()) {
    PlaceControl(stc2, xLabel, labelRoom);
    SetControlText(stc2, dlg.txtLabelFileType());
  }
  if (dlg.txtLabelLookIn().size() > GetWinText(GetDlgItem(gDialogWnd, stc4)).size()) {
    if (const auto list = clientRect(cmb2)) {
      MoveWindow(GetDlgItem(gDialogWnd, cmb2), xBox, list->top, list->width() + list->left - xBox,
                 list->height(), false);
    }
    PlaceControl(stc4, xLabel, labelRoom);
  }
}

void PlaceControl(int id, int x, int width) {
  if (const auto r = clientRect(id))
    MoveWindow(GetDlgItem(gDialogWnd, id), x, r->top, width, r->height(), false);
}

void ShowHelpMessage(const QString& message, const QString& title) {
  if (!message.isEmpty()) MessageBox(gDialogWnd, message, title, MB_ICONINFORMATION);
}

}  // namespace quarven::dialogs
