#pragma once
// The file dialog's hook: relabels and hides controls, shows the template's buttons, sets the
// dialog icon, centres the dialog, keeps a status bar that describes the selection, and answers
// the Help and template buttons. It reads its settings from the newest ComDlgEx object.

#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "platform/common_dialog.h"
#include "platform/shell_api.h"

namespace quarven::dialogs {

class ComDlgEx;

// Module state, shared with ComDlgEx.
inline ComDlgEx* gDlg = nullptr;  // the object whose settings the hook uses
inline bool gIsNT = false;
inline platform::HWND gDialogWnd = nullptr;  // the dialog: parent of the hook's own window
inline platform::HWND gStatusBar = nullptr;
inline platform::HDC gStatusBarDC = 0;
inline platform::HICON gDlgIcon = 0;
inline platform::HICON gFileIcon = 0;
// Right edges of the status bar's parts for 1, 2 and 3 parts; -1 runs to the bar's end.
inline std::array<int, 1> gParts1{-1};
inline std::array<int, 2> gParts2{0, -1};
inline std::array<int, 3> gParts3{0, 0, -1};
inline std::vector<int> gParts;
inline std::int32_t gBufLen = 0;
inline platform::NMHDR gNotifyHdr;
inline platform::SHFILEINFO gFileInfo;

// Shell icon queries: the selection's own icon, or that of a plain file of the given name.
enum : std::uint32_t { kIconOfFile = 0x107, kIconOfName = 0x115 };

std::uintptr_t ComDlgHookProc(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                              platform::LPARAM lParam);

void HideControlPair(int first, int second);
void SetControlText(int id, const QString& text);
QString GetWinText(platform::HWND window);
void CenterWindow(platform::HWND reference, platform::HWND window);
void UpdateStatusBar(std::uint32_t iconFlags, int partCount, const QString& text1, const QString& text2,
                     const QString& text3);
void SetDialogIcon(const QString& file, std::int32_t index);
std::uint16_t LoWord(std::uint32_t value);
QString FormatSize(double bytes);
QString FormatDate(const QDateTime& when);
void CreateStatusBar();
void AdjustLabels();
void PlaceControl(int id, int x, int width);
void ShowHelpMessage(const QString& message, const QString& title);

// Sets gParts1 to gParts3 for a status bar of the given width in pixels.
void computePartEdges(int width);

}  // namespace quarven::dialogs
