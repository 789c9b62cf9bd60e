// The application's look: the file dialog's pictures drawn in code, its buttons without icons.

#include "platform/desktop_style.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QToolButton>

namespace quarven::platform {
namespace {

// Pixels an icon paints at the given size; -1 when its corner is not left clear.
int paintedPixels(const QIcon& icon, int size) {
  const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
  if (image.isNull() || qAlpha(image.pixel(0, 0)) != 0) return -1;
  int painted = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
  return painted;
}

TEST(DesktopStyle, TheFileDialogShowsDrawnPicturesAndTextOnlyButtons) {
  const QStyle* style = QApplication::style();
  ASSERT_NE(dynamic_cast<const DesktopStyle*>(style), nullptr);
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  QList<QIcon> icons;
  for (const QToolButton* tool : dialog.findChildren<QToolButton*>()) icons << tool->icon();
  ASSERT_GE(icons.size(), 5);  // back, forward, parent folder, new folder, list and detail views
  for (const auto picture : {QStyle::SP_DirIcon, QStyle::SP_FileIcon, QStyle::SP_DriveHDIcon,
                             QStyle::SP_ComputerIcon, QStyle::SP_DirHomeIcon}) {
    icons << style->standardIcon(picture);
    EXPECT_NE(icons.last().pixmap(16, QIcon::Disabled).toImage(), icons.last().pixmap(16).toImage());
  }
  for (const QIcon& icon : icons) {
    EXPECT_GT(paintedPixels(icon, 16), 20);
    EXPECT_GT(paintedPixels(icon, 32), 4 * 20) << "drawn to the size asked for";
  }
  EXPECT_FALSE(style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());  // others come from Qt
  for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
    EXPECT_TRUE(button->icon().isNull());
}

}  // namespace
}  // namespace quarven::platform
