// The application's look: dialog buttons without icons, the file dialog's pictures drawn in code.

#include "platform/desktop_style.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QImage>
#include <QPushButton>
#include <QToolButton>

namespace quarven::platform {
namespace {

// Pixels an icon paints at the given size; -1 when its corner is not left clear (every picture
// keeps off the edge).
int paintedPixels(const QIcon& icon, int size) {
  const QImage image = icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32);
  if (image.isNull() || qAlpha(image.pixel(0, 0)) != 0) return -1;
  int painted = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
  return painted;
}

TEST(DesktopStyle, TheFileDialogShowsDrawnPicturesAndTextOnlyButtons) {
  ASSERT_NE(dynamic_cast<DesktopStyle*>(QApplication::style()), nullptr);
  QFileDialog dialog;
  dialog.setOption(QFileDialog::DontUseNativeDialog);

  const QList<QToolButton*> tools = dialog.findChildren<QToolButton*>();
  ASSERT_GE(tools.size(), 5);  // back, forward, parent folder, new folder, list and detail views
  for (const QToolButton* tool : tools) {
    SCOPED_TRACE(tool->objectName().toStdString());
    EXPECT_GT(paintedPixels(tool->icon(), 16), 20);
    EXPECT_GT(paintedPixels(tool->icon(), 32), 4 * 20) << "drawn to the size asked for";
  }
  const auto* box = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(box, nullptr);
  for (const QAbstractButton* button : box->buttons()) EXPECT_TRUE(button->icon().isNull());
}

TEST(DesktopStyle, PicturesOfTheFileSystemAreDrawnAndOthersComeFromQt) {
  const QStyle* style = QApplication::style();
  for (const auto picture : {QStyle::SP_DirIcon, QStyle::SP_FileIcon, QStyle::SP_DriveHDIcon,
                             QStyle::SP_ComputerIcon, QStyle::SP_DirHomeIcon}) {
    SCOPED_TRACE(int(picture));
    const QIcon icon = style->standardIcon(picture);
    EXPECT_GT(paintedPixels(icon, 16), 20);
    EXPECT_NE(icon.pixmap(16, QIcon::Disabled).toImage(), icon.pixmap(16).toImage()) << "disabled is paler";
  }
  EXPECT_FALSE(style->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

}  // namespace
}  // namespace quarven::platform
