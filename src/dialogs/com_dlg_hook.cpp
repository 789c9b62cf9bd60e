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

std::optional<QString> askDialog(const HookState& hook, UINT message, std::int32_t bufferLength) {
  QString buffer(bufferLength, QChar(0));
  const LRESULT n =
      SendMessage(hook.dialogWnd, message, WPARAM(bufferLength), reinterpret_cast<LPARAM>(buffer.data()));
  return filledText(buffer, n);
}

// A control's rectangle with its top-left corner in the dialog's client coordinates.
std::optional<RECT> clientRect(const HookState& hook, int id) {
  HWND control = GetDlgItem(hook.dialogWnd, id);
  RECT r;
  if (!control || !GetWindowRect(control, &r)) return std::nullopt;
  POINT topLeft{r.left, r.top};
  if (!ScreenToClient(hook.dialogWnd, &topLeft)) return std::nullopt;
  return RECT{topLeft.x, topLeft.y, topLeft.x + r.width(), topLeft.y + r.height()};
}

void setPartText(const HookState& hook, int part, const QString& text) {
  if (hook.isNT) {
    SendMessage(hook.statusBar, SB_SETTEXTW, WPARAM(part), reinterpret_cast<LPARAM>(text.utf16()));
  } else {
    const QByteArray narrow = text.toLocal8Bit();
    SendMessage(hook.statusBar, SB_SETTEXTA, WPARAM(part), reinterpret_cast<LPARAM>(narrow.constData()));
  }
}

void initDialog(HookState& hook, HWND window) {
  if (!gDlg) return;
  const ComDlgEx& dlg = *gDlg;
  if (!dlg.IconFile().isEmpty()) SetDialogIcon(hook, dlg.IconFile(), dlg.IconIndex());
  AdjustLabels(hook);
  SetControlText(hook, IDOK, dlg.txtButtonOK());
  SetControlText(hook, IDCANCEL, dlg.txtButtonCancel());
  SetControlText(hook, pshHelp, dlg.txtButtonHelp());
  SetControlText(hook, stc4, dlg.txtLabelLookIn());
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
  if (hide & 1) HideControlPair(hook, stc4, cmb2);
  if (hide & 2) HideControlPair(hook, stc3, edt1);
  if (hide & 4) HideControlPair(hook, stc2, cmb1);
}

void selectionChanged(HookState& hook) {
  hook.bufLen = gDlg->AllowMultiSelect() ? 13000 : std::int32_t(MAX_PATH);
  const std::optional<QString> spec = askDialog(hook, CDM_GETSPEC, hook.bufLen);
  if (!spec) return;
  if (spec->contains(u'"')) {
    const double count = double(spec->split(u'"').size() - 1) / 2;
    UpdateStatusBar(hook, kIconOfFile, 2, QDir::currentPath(),
                    QString::number(count) + QStringLiteral(" files selected"), QString());
    return;
  }
  const QFileInfo file(*spec);  // relative names are taken in the working folder
  if (spec->isEmpty() || !file.isFile()) return;
  UpdateStatusBar(hook, kIconOfFile, 3, *spec, FormatSize(double(file.size())),
                  FormatDate(file.lastModified()));
}

void notified(HookState& hook, const NMHDR& header) {
  hook.notifyHdr = header;
  if (!gDlg) return;
  const ComDlgEx& dlg = *gDlg;
  switch (hook.notifyHdr.code) {
    case CDN_INITDONE:
      if (dlg.StatusbarVisible()) CreateStatusBar(hook);
      if (dlg.CenterDialog() == 1)
        CenterWindow(GetParent(hook.dialogWnd), hook.dialogWnd);
      else if (dlg.CenterDialog() == 2)
        CenterWindow(GetDesktopWindow(), hook.dialogWnd);
      break;
    case CDN_FOLDERCHANGE:
      if (!dlg.StatusbarVisible()) break;
      if (const auto folder = askDialog(hook, CDM_GETFOLDERPATH, MAX_PATH)) {
        UpdateStatusBar(hook, kIconOfFile, 1, *folder, QString(), QString());
      } else {
        UpdateStatusBar(hook, kIconOfName, 1, QStringLiteral("(No folder selected)"), QString(), QString());
      }
      break;
    case CDN_SELCHANGE:
      if (dlg.StatusbarVisible()) selectionChanged(hook);
      break;
    case CDN_HELP:
      ShowHelpMessage(hook, dlg.HelpMessage(), GetWinText(GetDlgItem(hook.dialogWnd, pshHelp)).remove(u'&'));
      break;
    default:
      break;
  }
}

void commanded(HWND dialog, WPARAM wParam) {
  static const char* const kMessages[] = {"Put Copy File code here", "Put Move File code here",
                                          "Put Delete File code here", "Put Print File code here",
                                          "Put in the About Box code here"};
  const int id = LoWord(std::uint32_t(wParam));
  if (id >= 101 && id <= 105) MessageBox(dialog, QString::fromLatin1(kMessages[id - 101]), kAppTitle, MB_OK);
}

// The state the record carries, now serving `dialog`; none when the record carries none.
HookState* stateOf(const OPENFILENAME* ofn, HWND dialog) {
  auto* hook = ofn ? reinterpret_cast<HookState*>(ofn->lCustData) : nullptr;
  if (hook) hook->dialogWnd = dialog;
  return hook;
}
}  // namespace

std::uintptr_t ComDlgHookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND dialog = GetParent(window);
  if (!dialog) return 0;
  switch (message) {
    case WM_INITDIALOG:
      if (HookState* hook = stateOf(reinterpret_cast<const OPENFILENAME*>(lParam), dialog))
        initDialog(*hook, window);
      break;
    case WM_NOTIFY:
      if (const auto* note = reinterpret_cast<const OFNOTIFY*>(lParam))
        if (HookState* hook = stateOf(note->lpOFN, dialog)) notified(*hook, note->hdr);
      break;
    case WM_COMMAND:
      commanded(dialog, wParam);
      break;
    default:
      break;
  }
  return 0;
}

void HideControlPair(const HookState& hook, int first, int second) {
  SendMessage(hook.dialogWnd, CDM_HIDECONTROL, WPARAM(first), 0);
  SendMessage(hook.dialogWnd, CDM_HIDECONTROL, WPARAM(second), 0);
}

void SetControlText(const HookState& hook, int id, const QString& text) {
  if (!text.isEmpty())
    SendMessage(hook.dialogWnd, CDM_SETCONTROLTEXT, WPARAM(id), reinterpret_cast<LPARAM>(text.utf16()));
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

void computePartEdges(HookState& hook, int width) {
  // Halves round to the even neighbour, as nearbyint does in the default rounding mode.
  hook.parts1 = {-1};
  hook.parts2 = {int(std::nearbyint(width * 0.78)), -1};
  const int first = int(std::nearbyint(width * 0.67));
  hook.parts3 = {first, int(std::nearbyint(width * 0.11)) + first, -1};
}

void CreateStatusBar(HookState& hook) {
  constexpr std::uint32_t kStyle = WS_CHILD | WS_VISIBLE;
  hook.statusBar = CreateStatusWindow(kStyle, QString(), hook.dialogWnd, 0);
  RECT bar, dialog;
  if (!GetWindowRect(hook.statusBar, &bar) || !GetWindowRect(hook.dialogWnd, &dialog)) return;
  SetWindowPos(hook.dialogWnd, HWND_TOP, 0, 0, dialog.width(), dialog.height() + bar.height(), SWP_NOMOVE);
  // Made again, so that it sits at the grown dialog's bottom edge.
  DestroyWindow(hook.statusBar);
  hook.statusBar = CreateStatusWindow(kStyle, QString(), hook.dialogWnd, 0);
  computePartEdges(hook, bar.width());
  hook.statusBarDC = GetDC(hook.statusBar);
}

void UpdateStatusBar(HookState& hook, std::uint32_t iconFlags, int partCount, const QString& text1,
                     const QString& text2, const QString& text3) {
  if (!hook.statusBar || partCount < 1 || partCount > 3) return;
  DestroyIcon(hook.fileIcon);
  hook.fileIcon = SHGetFileInfo(text1, 0, &hook.fileInfo, 352, iconFlags) ? hook.fileInfo.hIcon : 0;
  if (partCount == 1)
    hook.parts.assign(hook.parts1.begin(), hook.parts1.end());
  else if (partCount == 2)
    hook.parts.assign(hook.parts2.begin(), hook.parts2.end());
  else
    hook.parts.assign(hook.parts3.begin(), hook.parts3.end());
  QString shown = text1;
  PathCompactPath(hook.statusBarDC, shown, hook.parts.front());
  SendMessage(hook.statusBar, SB_SETPARTS, WPARAM(partCount), reinterpret_cast<LPARAM>(hook.parts.data()));
  SendMessage(hook.statusBar, SB_SETICON, 0, LPARAM(hook.fileIcon));
  setPartText(hook, 0, shown);
  if (!text2.isEmpty()) setPartText(hook, 1, u'\t' + text2);
  if (!text3.isEmpty()) setPartText(hook, 2, u'\t' + text3);
}

void SetDialogIcon(HookState& hook, const QString& file, std::int32_t index) {
  hook.dlgIcon = index < 0 ? 0 : ExtractIcon(0, file, unsigned(index));
  if (hook.dlgIcon) SendMessage(hook.dialogWnd, WM_SETICON, ICON_SMALL, LPARAM(hook.dlgIcon));
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

void AdjustLabels(const HookState& hook) {
  if (!gDlg) return;
  const ComDlgEx& dlg = *gDlg;
  const auto box = clientRect(hook, edt1);
  const auto label = clientRect(hook, stc3);
  if (!box || !label) return;
  const int xBox = box->left;
  const int xLabel = label->left;
  const int labelRoom = xBox - xLabel;
  if (!dlg.CheckBoxCaption().isEmpty()) {
    PlaceControl(hook, chx1, xBox, box->width());
    SetControlText(hook, chx1, dlg.CheckBoxCaption());
  }
  if (!dlg.txtLabelFileName().isEmpty()) {
    PlaceControl(hook, stc3, xLabel, labelRoom);
    SetControlText(hook, stc3, dlg.txtLabelFileName());
  }
  if (!dlg.txtLabelFileType().isEmpty()) {
    PlaceControl(hook, stc2, xLabel, labelRoom);
    SetControlText(hook, stc2, dlg.txtLabelFileType());
  }
  if (dlg.txtLabelLookIn().size() > GetWinText(GetDlgItem(hook.dialogWnd, stc4)).size()) {
    if (const auto list = clientRect(hook, cmb2)) {
      MoveWindow(GetDlgItem(hook.dialogWnd, cmb2), xBox, list->top, list->width() + list->left - xBox,
                 list->height(), false);
    }
    PlaceControl(hook, stc4, xLabel, labelRoom);
  }
}

void PlaceControl(const HookState& hook, int id, int x, int width) {
  if (const auto r = clientRect(hook, id))
    MoveWindow(GetDlgItem(hook.dialogWnd, id), x, r->top, width, r->height(), false);
}

void ShowHelpMessage(const HookState& hook, const QString& message, const QString& title) {
  if (!message.isEmpty()) MessageBox(hook.dialogWnd, message, title, MB_ICONINFORMATION);
}

}  // namespace quarven::dialogs
