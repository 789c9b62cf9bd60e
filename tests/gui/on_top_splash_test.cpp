// The always-on-top class and the splash window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "dialogs/cls_on_top.h"
#include "dialogs/frm_splash.h"
#include "key_input.h"
#include "platform/window_api.h"
#include "ui/form1.h"

namespace quarven::dialogs {
namespace {

TEST(OnTop, TopMostAndNormalKeepPlaceSizeAndVisibility) {
  QWidget window;
  window.setGeometry(120, 90, 300, 200);
  window.show();
  const QRect before = window.geometry();
  clsOnTop ontop;
  ontop.MakeTopMost(&window);
  EXPECT_TRUE(platform::IsTopMost(&window));
  ontop.MakeTopMost(&window);
  EXPECT_TRUE(platform::IsTopMost(&window));
  EXPECT_EQ(window.geometry(), before);
  EXPECT_TRUE(window.isVisible());

  // The state belongs to the window: another object takes it out of the band.
  clsOnTop other;
  other.MakeNormal(&window);
  EXPECT_FALSE(platform::IsTopMost(&window));
  EXPECT_EQ(window.geometry(), before);
  EXPECT_TRUE(window.isVisible());
}

TEST(Splash, StartingTheEditorDoesNotShowIt) {
  ui::Form1 form;
  form.show();
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_EQ(qobject_cast<frmSplash*>(window), nullptr) << "a splash window exists";
}

class SplashLeads : public ::testing::Test {
 protected:
  SplashLeads() : splash([this] { return &main; }) {}
  void SetUp() override { splash.show(); }
  QWidget main;
  frmSplash splash;
};

TEST_F(SplashLeads, KeyPressShowsTheMainWindowAndHidesTheSplash) {
  EXPECT_EQ(splash.size(), QSize(392, 244));
  EXPECT_EQ(splash.Picture1->size(), QSize(393, 245));
  testing::pressKey(&splash, Qt::Key_Shift, Qt::ShiftModifier);  // no character: nothing happens
  EXPECT_TRUE(splash.isVisible());
  EXPECT_FALSE(main.isVisible());
  testing::pressKey(&splash, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(splash.isVisible());
}

TEST_F(SplashLeads, PictureClickShowsTheMainWindowAndSplashCanShowAgain) {
  const QPointF inside(10, 10);
  QMouseEvent press(QEvent::MouseButtonPress, inside, splash.Picture1->mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, splash.Picture1->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(splash.Picture1, &press);
  QApplication::sendEvent(splash.Picture1, &release);
  EXPECT_TRUE(main.isVisible());
  EXPECT_FALSE(splash.isVisible());
  splash.show();  // kept, not destroyed
  EXPECT_TRUE(splash.isVisible());
}

}  // namespace
}  // namespace quarven::dialogs
