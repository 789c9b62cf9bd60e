#include <gtest/gtest.h>

#include <QLabel>

#include "dialogs/frm_splash.h"
#include "key_input.h"

namespace quarven::dialogs {
namespace {

// A key press that gives a character, or a picture click, shows the main window and hides the splash.
TEST(Splash, KeyPressOrPictureClickShowsTheMainWindow) {
  QWidget main;
  frmSplash splash([&] { return &main; });
  splash.show();
  testing::pressKey(&splash, Qt::Key_Shift, Qt::ShiftModifier);  // no character: nothing happens
  EXPECT_EQ(std::pair(splash.isVisible(), main.isVisible()), std::pair(true, false));
  testing::pressKey(&splash, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  EXPECT_EQ(std::pair(splash.isVisible(), main.isVisible()), std::pair(false, true));
  main.hide();
  splash.show();  // kept, not destroyed
  testing::click(splash.Picture1);
  EXPECT_EQ(std::pair(splash.isVisible(), main.isVisible()), std::pair(false, true));
}

}  // namespace
}  // namespace quarven::dialogs
