#pragma once
// Puts a window into the desktop's top-most band or takes it out again. The window keeps its
// place and size; only its place in the window order changes. The state belongs to the window.

#include "platform/window_api.h"

namespace quarven::dialogs {

class clsOnTop {
 public:
  void MakeNormal(platform::HWND window);
  void MakeTopMost(platform::HWND window);
};

}  // namespace quarven::dialogs
