#include "platform/system_info.h"

#include <QOperatingSystemVersion>
#include <QSysInfo>

namespace quarven::platform {

bool GetVersionEx(OSVERSIONINFO* info) {
  if (!info || info->dwOSVersionInfoSize != 148) return false;
  const QOperatingSystemVersion os = QOperatingSystemVersion::current();
  info->dwMajorVersion = std::uint32_t(std::max(0, os.majorVersion()));
  info->dwMinorVersion = std::uint32_t(std::max(0, os.minorVersion()));
  info->dwBuildNumber = std::uint32_t(std::max(0, os.microVersion()));
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  info->szCSDVersion = QSysInfo::prettyProductName();
  return true;
}

}  // namespace quarven::platform
