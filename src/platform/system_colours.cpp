#include "platform/system_colours.h"

namespace quarven::platform {

std::uint32_t GetSysColor(int index) {
  switch (index) {
    case COLOR_BACKGROUND:
      return 0x808000;  // teal desktop
    case COLOR_ACTIVECAPTION:
      return 0x800000;  // navy
    case COLOR_WINDOW:
      return 0xFFFFFF;  // white
    case COLOR_CAPTIONTEXT:
      return 0xFFFFFF;  // white
    case COLOR_INACTIVEBORDER:
      return 0xC0C0C0;  // light grey
    case COLOR_HIGHLIGHT:
      return 0x800000;  // navy
    case COLOR_BTNSHADOW:
      return 0x808080;  // grey
    case COLOR_BTNHIGHLIGHT:
      return 0xFFFFFF;  // white
    case COLOR_3DDKSHADOW:
      return 0x000000;  // black
    case COLOR_3DLIGHT:
      return 0xC0C0C0;  // light grey
    case COLOR_INFOBK:
      return 0xE1FFFF;  // pale yellow
    default:
      return 0x000000;
  }
}

QColor displayColour(std::uint32_t bgr) {
  return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

std::uint32_t toDisplayColour(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

QColor sysColour(int index) {
  return displayColour(GetSysColor(index));
}

}  // namespace quarven::platform
