#pragma once
// Window functions with the desktop's call shapes, on Qt widgets. A window handle is the widget;
// a null handle is "no window". Rectangles are in screen pixels; for a top-level window they
// include its frame (title bar and borders).

#include <QString>
#include <cstdint>

class QWidget;

namespace quarven::platform {

using HWND = QWidget*;

struct RECT {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
};

struct POINT {
  int x = 0, y = 0;
};

// insertAfter values of SetWindowPos.
inline constexpr std::intptr_t HWND_TOP = 0;
inline constexpr std::intptr_t HWND_TOPMOST = -1;
inline constexpr std::intptr_t HWND_NOTOPMOST = -2;

enum SetWindowPosFlags : unsigned {
  SWP_NOSIZE = 0x1,
  SWP_NOMOVE = 0x2,
  SWP_NOZORDER = 0x4,
};

enum ShowWindowCommand : int { SW_HIDE = 0, SW_SHOWNORMAL = 1 };

// Moves, sizes and orders a window. HWND_TOPMOST keeps it above other programs' windows,
// HWND_NOTOPMOST takes it out of that band; both keep its place and size. For a top-level window
// x, y, cx and cy describe its frame; for a child window they are in its parent's client area.
bool SetWindowPos(HWND hwnd, std::intptr_t insertAfter, int x, int y, int cx, int cy, unsigned flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool GetWindowRect(HWND hwnd, RECT* rect);
// Whether the window is in the top-most band.
bool IsTopMost(HWND hwnd);

HWND GetParent(HWND hwnd);
HWND GetActiveWindow();
// Stands for the whole screen: its rectangle is the primary screen's.
HWND GetDesktopWindow();

bool ShowWindow(HWND hwnd, int command);
// Caption of a window or the text of a button, label or edit control.
bool SetWindowText(HWND hwnd, const QString& text);
QString GetWindowText(HWND hwnd);

// Screen coordinates to coordinates in the window's client area.
bool ScreenToClient(HWND hwnd, POINT* point);

// Control identifiers: a dialog finds its controls by number. GetDlgItem searches every window
// inside the dialog; the first control carrying the identifier wins.
void SetDlgCtrlID(HWND control, int id);
int GetDlgCtrlID(HWND control);
HWND GetDlgItem(HWND dialog, int id);

// Windows that this layer creates (status bars) are registered here; DestroyWindow destroys only
// those, and only while they still exist, so a handle outliving its window is harmless.
HWND registerCreatedWindow(QWidget* window);
bool DestroyWindow(HWND hwnd);

}  // namespace quarven::platform
