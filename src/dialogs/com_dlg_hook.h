#pragma once
// The file dialog's hook: relabels and hides controls, shows the template's buttons, sets the
// dialog icon, centres the dialog, keeps a status bar that describes the selection, and answers
// the Help and template buttons. It reads its settings from the newest ComDlgEx object, and keeps
// what it works with in the state the shown object hands it.

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/common_dialog.h"
#include "platform/shell_api.h"

namespace quarven::dialogs {

class ComDlgEx;

// The object whose settings the hook uses: the newest ComDlgEx.
inline ComDlgEx* gDlg = nullptr;

// What the hook keeps while a dialog is up: the dialog, its status bar and the icons it shows.
// Each ComDlgEx object owns one and hands it to the hook in the record's lCustData; the hook takes
// it from the record at WM_INITDIALOG and from the OFNOTIFY's record at WM_NOTIFY.
struct HookState {
  bool isNT = false;
  platform::HWND dialogWnd = nullptr;  // the dialog: parent of the hook's own window
  platform::HWND statusBar = nullptr;
  platform::HDC statusBarDC = 0;
  platform::HICON dlgIcon = 0;
  platform::HICON fileIcon = 0;
  // Right edges of the status bar's parts for 1, 2 and 3 parts; -1 runs to the bar's end.
  std::array<int, 1> parts1{-1};
  std::array<int, 2> parts2{0, -1};
  std::array<int, 3> parts3{0, 0, -1};
  std::vector<int> parts;
  std::int32_t bufLen = 0;
  platform::NMHDR notifyHdr;
  platform::SHFILEINFO fileInfo;
};

// Shell icon queries: the selection's own icon, or that of a plain file of the given name.
enum : std::uint32_t { kIconOfFile = 0x107, kIconOfName = 0x115 };

std::uintptr_t ComDlgHookProc(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                              platform::LPARAM lParam);

void HideControlPair(const HookState& hook, int first, int second);
void SetControlText(const HookState& hook, int id, const QString& text);
QString GetWinText(platform::HWND window);
void CenterWindow(platform::HWND reference, platform::HWND window);
void UpdateStatusBar(HookState& hook, std::uint32_t iconFlags, int partCount, const QString& text1,
                     const QString& text2, const QString& text3);
void SetDialogIcon(HookState& hook, const QString& file, std::int32_t index);
std::uint16_t LoWord(std::uint32_t value);
QString FormatSize(double bytes);
QString FormatDate(const QDateTime& when);
void CreateStatusBar(HookState& hook);
void AdjustLabels(const HookState& hook);
void PlaceControl(const HookState& hook, int id, int x, int width);
void ShowHelpMessage(const HookState& hook, const QString& message, const QString& title);

// Sets the state's parts1 to parts3 for a status bar of the given width in pixels.
void computePartEdges(HookState& hook, int width);

}  // namespace quarven::dialogs
