#include <QWidget>

#include "platform/file_dialog_window.h"
#include "platform/shell_api.h"
#include "platform/status_window.h"
#include "platform/window_messages.h"

namespace quarven::platform {

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!hwnd) return 0;
  if (message == WM_SETICON) {
    // Only the small icon shows (in the title bar); the big one has no place here.
    if (wParam == WPARAM(ICON_SMALL)) hwnd->setWindowIcon(iconOf(static_cast<HICON>(lParam)));
    return 0;
  }
  if (auto* dialog = qobject_cast<FileDialogWindow*>(hwnd)) return dialog->message(message, wParam, lParam);
  if (auto* bar = qobject_cast<StatusWindow*>(hwnd)) return bar->message(message, wParam, lParam);
  return 0;
}

}  // namespace quarven::platform
