#pragma once
// The open and save file dialogs with the desktop's record, flags, hook protocol and error codes,
// shown as Qt's own (non-native) file dialog.
//
// The hook procedure is called with the hook's own window (a child of the dialog that holds the
// template's controls, if any): WM_INITDIALOG before the dialog is shown (lParam: the record),
// WM_NOTIFY with an OFNOTIFY (CDN_INITDONE once the dialog is built, still before it is shown,
// with its size and frame known; CDN_FOLDERCHANGE for the first folder and every later one;
// CDN_SELCHANGE on every selection change; CDN_HELP for the Help button) and WM_COMMAND for the
// template's buttons. CDM_* messages sent to the dialog act on its controls by the identifiers
// below.
//
// While the dialog is up, the working folder follows the folder it shows; OFN_NOCHANGEDIR puts
// the earlier one back when it closes.

#include <QString>
#include <climits>
#include <cstdint>
#include <functional>

#include "platform/message_box.h"
#include "platform/template_library.h"
#include "platform/window_messages.h"

class QFileDialog;

namespace quarven::platform {

// The record size the dialogs accept; any other makes them fail with CDERR_STRUCTSIZE.
inline constexpr std::uint32_t kOpenFileNameSize = 76;

// Room for the longest path the file system takes and its terminating NUL (PATH_MAX; the desktop
// had 260): a buffer of this many characters holds any path that can be opened.
inline constexpr std::uint32_t MAX_PATH = PATH_MAX;

using LPOFNHOOKPROC = std::uintptr_t (*)(HWND, UINT, WPARAM, LPARAM);

enum OpenFileNameFlags : std::uint32_t {
  OFN_READONLY = 0x1,
  OFN_OVERWRITEPROMPT = 0x2,
  OFN_HIDEREADONLY = 0x4,
  OFN_NOCHANGEDIR = 0x8,
  OFN_SHOWHELP = 0x10,
  OFN_ENABLEHOOK = 0x20,
  OFN_ENABLETEMPLATE = 0x40,
  OFN_ALLOWMULTISELECT = 0x200,
  OFN_PATHMUSTEXIST = 0x800,
  OFN_FILEMUSTEXIST = 0x1000,
  OFN_EXPLORER = 0x80000,
  OFN_LONGNAMES = 0x200000,
};

enum CommonDialogError : std::uint32_t {
  CDERR_STRUCTSIZE = 0x1,
  CDERR_INITIALIZATION = 0x2,
  CDERR_NOTEMPLATE = 0x3,
  CDERR_NOHINSTANCE = 0x4,
  CDERR_FINDRESFAILURE = 0x6,
  CDERR_NOHOOK = 0xB,
  FNERR_BUFFERTOOSMALL = 0x3003,
};

// Control identifiers of the file dialog (IDOK and IDCANCEL are the OK and Cancel buttons).
enum FileDialogControl : int {
  pshHelp = 0x40E,  // Help button
  chx1 = 0x410,     // read-only check box
  stc2 = 0x441,     // file-type label
  stc3 = 0x442,     // file-name label
  stc4 = 0x443,     // look-in label
  cmb1 = 0x470,     // file-type list
  cmb2 = 0x471,     // look-in list
  edt1 = 0x480,     // file-name box
};

// Texts are wide; the NUL characters inside lpstrFilter and lpstrFile are part of the text.
struct OPENFILENAME {
  std::uint32_t lStructSize = 0;  // must be kOpenFileNameSize
  HWND hwndOwner = nullptr;
  HMODULE hInstance = 0;      // the template library
  QString lpstrFilter;        // description NUL pattern NUL ...; patterns split by ";"
  QString lpstrCustomFilter;  // not used
  std::uint32_t nMaxCustFilter = 0;
  std::uint32_t nFilterIndex = 0;  // 1-based; the dialog writes back the user's choice
  QString lpstrFile;               // initial name up to the first NUL; receives the choice
  std::uint32_t nMaxFile = 0;      // room in lpstrFile, terminating NULs included
  QString lpstrFileTitle;          // receives the chosen file's name
  std::uint32_t nMaxFileTitle = 0;
  QString lpstrInitialDir;
  QString lpstrTitle;
  std::uint32_t Flags = 0;
  std::uint16_t nFileOffset = 0;     // where the first file name starts in lpstrFile
  std::uint16_t nFileExtension = 0;  // where the extension starts in lpstrFile, 0 when none
  QString lpstrDefExt;
  std::intptr_t lCustData = 0;
  LPOFNHOOKPROC lpfnHook = nullptr;
  std::intptr_t lpTemplateName = 0;  // template number in hInstance
};

struct OFNOTIFY {
  NMHDR hdr;
  OPENFILENAME* lpOFN = nullptr;
  const char16_t* pszFile = nullptr;
};

// A buffer's text up to its first NUL character; all of it when it holds none.
QString upToNul(const QString& buffer);

// Show the dialog and wait for it; true when the user chose a file. On false,
// CommDlgExtendedError tells a failure (non-zero) from a cancel (0).
bool GetOpenFileName(OPENFILENAME* ofn);
bool GetSaveFileName(OPENFILENAME* ofn);
std::uint32_t CommDlgExtendedError();

// Test seam: prepare runs once a dialog is built, before WM_INITDIALOG; drive runs once it is up,
// after CDN_INITDONE and the first CDN_FOLDERCHANGE, and may select, navigate, accept or reject.
// A dialog that drive leaves open is cancelled. Empty functions restore normal dialogs.
struct CommonDialogDriver {
  std::function<void(QFileDialog&)> prepare;
  std::function<void(QFileDialog&)> drive;
};
void setCommonDialogDriver(CommonDialogDriver driver);
const CommonDialogDriver& commonDialogDriver();

}  // namespace quarven::platform
