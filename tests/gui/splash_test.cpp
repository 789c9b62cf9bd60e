// The splash window: a key press or a picture click leads to the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "dialogs/frm_splash.h"
#include "key_input.h"

namespace quarven::dialogs {
namespace {

TEST(Splash, KeyPressOrPictureClickShowsTheMainWindowAndHidesTheSplash) {
  QWidget main;
  frmSplash splash([&] { return &main; });
  splash.show();
  testing::pressKey(&splash, Qt::Key_Shift, Qt::ShiftModifier);  // no character: nothing happens
  EXPECT_TRUE(splash.isVisible() && !main.isVisible());
  testing::pressKey(&splash, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  EXPECT_TRUE(main.isVisible() && !splash.isVisible());
  main.hide();
  splash.show();  // kept, not destroyed
  testing::click(splash.Picture1);
  EXPECT_TRUE(main.isVisible() && !splash.isVisible());
}

}  // namespace
}  // namespace quarven::dialogs
