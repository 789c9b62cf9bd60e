#pragma once
// Shell and drawing stand-ins: file icons, icons taken from a file, drawing contexts used to
// measure text, and shortening a path to fit a width.

#include <QIcon>
#include <QString>
#include <cstdint>

#include "platform/window_api.h"

namespace quarven::platform {

using HICON = std::uintptr_t;
using HDC = std::uintptr_t;

enum ShellFileInfoFlags : unsigned {
  SHGFI_SMALLICON = 0x1,
  SHGFI_OPENICON = 0x2,
  SHGFI_SHELLICONSIZE = 0x4,
  SHGFI_USEFILEATTRIBUTES = 0x10,  // don't look at the file: the icon of a plain file of that name
  SHGFI_ICON = 0x100,
};

enum : std::uint32_t { FILE_ATTRIBUTE_DIRECTORY = 0x10, FILE_ATTRIBUTE_NORMAL = 0x80 };

struct SHFILEINFO {
  HICON hIcon = 0;
  int iIcon = 0;
  std::uint32_t dwAttributes = 0;
  QString szDisplayName;
  QString szTypeName;
};

// The shell's icon for a file or folder (SHGFI_ICON); with SHGFI_USEFILEATTRIBUTES the file is not
// looked at and the attributes choose between a folder and a plain file. The icon is new: release
// it with DestroyIcon. Returns non-zero on success.
std::uintptr_t SHGetFileInfo(const QString& path, std::uint32_t attributes, SHFILEINFO* info,
                             unsigned infoSize, unsigned flags);

// The icon of a picture or icon file; index 0 is the only one. 0 when the file holds no icon.
HICON ExtractIcon(std::uintptr_t instance, const QString& file, unsigned index);
bool DestroyIcon(HICON icon);
// The picture behind an icon handle; a null icon for 0 or a destroyed handle.
QIcon iconOf(HICON icon);

// A drawing context of a window, for measuring text in the window's font.
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);

// Shortens path in place so that it fits width pixels in the context's font: the middle of the
// folder part gives way to "...", then the file name's end. A negative width leaves it whole.
// Returns whether the result fits.
bool PathCompactPath(HDC dc, QString& path, int width);

}  // namespace quarven::platform
