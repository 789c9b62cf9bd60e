#include "platform/shell_api.h"

#include <QApplication>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPointer>
#include <QWidget>

#include "platform/handle_table.h"

namespace quarven::platform {

namespace {
HandleTable<QIcon>& icons() {
  static HandleTable<QIcon> table;
  return table;
}

HandleTable<QPointer<QWidget>>& contexts() {
  static HandleTable<QPointer<QWidget>> table;
  return table;
}

QFontMetrics metricsOf(HDC dc) {
  QPointer<QWidget>* w = contexts().find(dc);
  return (w && *w) ? (*w)->fontMetrics() : QFontMetrics(QApplication::font());
}

const QString kEllipsis = QStringLiteral("...");
}  // namespace

std::uintptr_t SHGetFileInfo(const QString& path, std::uint32_t attributes, SHFILEINFO* info,
                             unsigned /*infoSize*/, unsigned flags) {
  if (!info) return 0;
  QFileIconProvider provider;
  const QFileInfo file(path);
  QIcon icon;
  if (flags & SHGFI_USEFILEATTRIBUTES) {
    icon = provider.icon((attributes & FILE_ATTRIBUTE_DIRECTORY) ? QFileIconProvider::Folder
                                                                 : QFileIconProvider::File);
  } else {
    if (path.isEmpty() || !file.exists()) return 0;
    icon = provider.icon(file);
    info->dwAttributes = file.isDir() ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
  }
  info->szDisplayName = file.fileName();
  info->szTypeName = provider.type(file);
  info->hIcon = (flags & SHGFI_ICON) ? icons().add(icon) : 0;
  return 1;
}

HICON ExtractIcon(std::uintptr_t /*instance*/, const QString& file, unsigned index) {
  if (index != 0 || !QFileInfo(file).isFile()) return 0;
  const QIcon icon(file);
  if (icon.availableSizes().isEmpty()) return 0;
  return icons().add(icon);
}

bool DestroyIcon(HICON icon) {
  return icons().remove(icon);
}

QIcon iconOf(HICON icon) {
  const QIcon* found = icons().find(icon);
  return found ? *found : QIcon();
}

HDC GetDC(HWND hwnd) {
  return hwnd ? contexts().add(QPointer<QWidget>(hwnd)) : 0;
}

int ReleaseDC(HWND /*hwnd*/, HDC dc) {
  return contexts().remove(dc) ? 1 : 0;
}

bool PathCompactPath(HDC dc, QString& path, int width) {
  if (width < 0) return true;
  const QFontMetrics metrics = metricsOf(dc);
  const auto fits = [&](const QString& text) { return metrics.horizontalAdvance(text) <= width; };
  if (fits(path)) return true;

  const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  const QString name = cut < 0 ? path : path.mid(cut);  // keeps its separator
  const QString folder = cut < 0 ? QString() : path.left(cut);
  // Give up the folder's end first, keeping its start ("/home/.../rom.smc").
  for (qsizetype keep = folder.size() - 1; keep >= 0; --keep) {
    const QString candidate = folder.left(keep) + kEllipsis + name;
    if (fits(candidate)) {
      path = candidate;
      return true;
    }
  }
  // Then the file name's end.
  for (qsizetype keep = name.size() - 1; keep >= 0; --keep) {
    const QString candidate = name.left(keep) + kEllipsis;
    if (fits(candidate)) {
      path = candidate;
      return true;
    }
  }
  path = kEllipsis;
  return false;
}

}  // namespace quarven::platform
