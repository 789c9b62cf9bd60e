#pragma once
// The desktop's named system colours. This desktop has no such scheme, so one fixed table of
// stand-ins (the classic desktop scheme) serves every caller.

#include <QColor>
#include <cstdint>

namespace quarven::platform {

enum SystemColour : int {
  COLOR_BACKGROUND = 1,     // the desktop
  COLOR_ACTIVECAPTION = 2,  // active title bar
  COLOR_WINDOW = 5,         // window background
  COLOR_CAPTIONTEXT = 9,    // title bar text
  COLOR_INACTIVEBORDER = 11,
  COLOR_HIGHLIGHT = 13,     // selection
  COLOR_BTNSHADOW = 16,     // three-dimensional edges: the shaded side
  COLOR_BTNHIGHLIGHT = 20,  // the lit side
  COLOR_3DDKSHADOW = 21,    // the outer shaded side
  COLOR_3DLIGHT = 22,       // the inner lit side
  COLOR_INFOBK = 24,        // tooltip background
};

// The colour as a display colour 0x00BBGGRR.
std::uint32_t GetSysColor(int index);
QColor sysColour(int index);
// A display colour 0x00BBGGRR as a QColor, and back.
QColor displayColour(std::uint32_t bgr);
std::uint32_t toDisplayColour(const QColor& colour);

}  // namespace quarven::platform
