// The splash window: not shown at start; a key press or a picture click leads to the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>

#include "dialogs/frm_splash.h"
#include "key_input.h"
#include "ui/form1.h"

namespace quarven::dialogs {
namespace {

TEST(Splash, StartingTheEditorDoesNotShowIt) {
  ui::Form1 form;
  form.show();
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<frmSplash*>(window), nullptr) << "a splash window exists";
}

TEST(Splash, KeyPressOrPictureClickShowsTheMainWindowAndHidesTheSplash) {
  QWidget main;
  frmSplash splash([&] { return &main; });
  splash.show();
  EXPECT_EQ(splash.size(), QSize(392, 244));
  EXPECT_EQ(splash.Picture1->size(), QSize(393, 245));
  testing::pressKey(&splash, Qt::Key_Shift, Qt::ShiftModifier);  // no character: nothing happens
  EXPECT_TRUE(splash.isVisible());
  EXPECT_FALSE(main.isVisible());
  testing::pressKey(&splash, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(splash.isVisible());

  main.hide();
  splash.show();  // kept, not destroyed
  testing::click(splash.Picture1);
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(splash.isVisible());
}

}  // namespace
}  // namespace quarven::dialogs
