#include "dialogs/cls_on_top.h"

namespace quarven::dialogs {

using namespace platform;

// The result of the call is not looked at: a window that no longer exists stays as it is.
void clsOnTop::MakeNormal(HWND window) {
  SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void clsOnTop::MakeTopMost(HWND window) {
  SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace quarven::dialogs
