#pragma once
// The platform version record. This platform is always reported as of the NT family (identifier
// 2): wide-character texts throughout.

#include <QString>
#include <cstdint>

namespace quarven::platform {

enum : std::uint32_t { VER_PLATFORM_WIN32_WINDOWS = 1, VER_PLATFORM_WIN32_NT = 2 };

struct OSVERSIONINFO {
  std::uint32_t dwOSVersionInfoSize = 0;  // the caller sets 148
  std::uint32_t dwMajorVersion = 0;
  std::uint32_t dwMinorVersion = 0;
  std::uint32_t dwBuildNumber = 0;
  std::uint32_t dwPlatformId = 0;
  QString szCSDVersion;  // the system's name
};

// Fills the record; fails for a null record or a size field other than 148.
bool GetVersionEx(OSVERSIONINFO* info);

}  // namespace quarven::platform
