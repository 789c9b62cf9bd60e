#pragma once
// Window messages with the desktop's numbers and call shape, for the messages the file dialog's
// hook and its status bar exchange. Texts travel as pointers to NUL-terminated wide strings
// (const char16_t*, e.g. QString::utf16()); the one narrow form, SB_SETTEXTA, takes const char*
// in the local 8-bit encoding. Buffers that a message fills are char16_t arrays of wParam
// characters.

#include <cstdint>

#include "platform/window_api.h"

namespace quarven::platform {

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return (low & 0xFFFF) | ((high & 0xFFFF) << 16);
}

enum WindowMessage : UINT {
  WM_SETICON = 0x80,  // wParam ICON_SMALL or ICON_BIG, lParam HICON
  WM_NOTIFY = 0x4E,   // lParam points at a notification that starts with NMHDR
  WM_INITDIALOG = 0x110,
  WM_COMMAND = 0x111,  // wParam MAKEWPARAM(control id, BN_CLICKED), lParam the control

  // Common-dialog messages, sent to the dialog window.
  CDM_GETSPEC = 0x464,         // fills the buffer with the file-name box's text
  CDM_GETFOLDERPATH = 0x466,   // fills the buffer with the open folder; -1 when it is no folder
  CDM_SETCONTROLTEXT = 0x468,  // wParam control id, lParam the text
  CDM_HIDECONTROL = 0x469,     // wParam control id

  // Status-bar messages.
  SB_SETTEXTA = 0x401,  // wParam part (low byte), lParam const char*
  SB_SETPARTS = 0x404,  // wParam part count, lParam const int* right edges (-1: to the end)
  SB_SETTEXTW = 0x40B,  // wParam part (low byte), lParam const char16_t*
  SB_SETICON = 0x40F,   // wParam part, lParam HICON (0 removes it)
};

enum : int { ICON_SMALL = 0, ICON_BIG = 1 };
enum : unsigned { BN_CLICKED = 0 };

// Common-dialog notification codes (NMHDR::code).
enum : int {
  CDN_INITDONE = -601,
  CDN_SELCHANGE = -602,
  CDN_FOLDERCHANGE = -603,
  CDN_SHAREVIOLATION = -604,
  CDN_HELP = -605,
};

struct NMHDR {
  HWND hwndFrom = nullptr;
  std::uintptr_t idFrom = 0;
  int code = 0;
};

// Delivers a message to the window that understands it: a file dialog, a status bar, or any
// window for WM_SETICON. Unknown messages and windows return 0.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace quarven::platform
