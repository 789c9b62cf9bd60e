// The Options and File menu handlers: option toggles with their messages, the help box widths,
// always on top, and Quit; and the splash window.

#include <QAction>
#include <QTimer>

#include "dialogs/frm_splash.h"
#include "editor_fixture.h"
#include "key_input.h"
#include "platform/window_api.h"
#include "ui/help_box.h"

namespace quarven::ui {
namespace {

using testing::MessageBoxRecorder;

// Each toggle flips its box and caption; its message comes while the box is disabled: before enabling
// the team name, after disabling the abbreviation. The texts stay.
TEST(Form1Options, TogglesFlipBoxAndCaptionWithTheirMessageOnOneSide) {
  Form1 form;
  MessageBoxRecorder boxes;
  QStringList seen;
  const auto flipTwice = [&](QAction* item, TextBox* box) {
    box->showText(QStringLiteral("KEEP"));
    boxes.onShow = [&, box](const platform::MessageBoxCall& call) {
      seen << call.title + (box->isEnabled() ? " over enabled box" : "");
    };
    for (int flip = 0; flip < 2; ++flip) {
      item->trigger();
      seen << item->text() + (box->isEnabled() ? " on " : " off ") + box->text();
    }
  };
  flipTwice(form.mnuTeamNameChange, form.Text10);
  flipTwice(form.mnudisAbbrev, form.Text12);
  EXPECT_EQ(seen, QStringList({"QUARVEN EDITOR", "Disable Team Name Change on KEEP",
                               "Enable Team Name Change off KEEP", "QUARVEN EDITOR",
                               "Enable Team Abbreviation Change off KEEP",
                               "Disable Team Abbreviation Change on KEEP"}));
  EXPECT_EQ(boxes.texts(),
            (std::vector<QString>{
                "This option only works about half of the time, it may corrupt the rom causing it "
                "to not work. Make sure to save a copy.",
                "This option will save your rom from being corrupt if you manually edited the "
                "team abbreviations with a hex editor."}));
  for (const auto& call : boxes.calls) EXPECT_EQ(call.style, unsigned(platform::MB_OK));
}

// The help box widens the window (once), a double click narrows it; always on top twice, then normal.
TEST(Form1Options, HelpBoxAndAlwaysOnTopKeepThePlaceOfTheWindow) {
  Form1 form;
  form.show();
  const QRect before = form.geometry();
  form.mnhHelp->trigger();
  form.mnhHelp->trigger();
  EXPECT_EQ(form.centralWidget()->width(), 692);  // outer 10470 twips less the border
  EXPECT_TRUE(form.centralWidget()->rect().contains(form.Text13->geometry()));
  EXPECT_EQ(form.height(), before.height());
  testing::sendMouse(form.Text13->viewport(), QEvent::MouseButtonDblClick, QPointF(20, 20));
  EXPECT_EQ(form.geometry(), before);
  EXPECT_GE(form.Text13->x(), form.centralWidget()->width());

  form.mnuTop->trigger();
  form.mnuTop->trigger();
  EXPECT_TRUE(platform::IsTopMost(&form));
  form.mnuNotTop->trigger();
  EXPECT_FALSE(platform::IsTopMost(&form));
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(form.geometry(), before);
}

// Runs the event loop with `action` done in it; the code the loop ended with, or -1 when the program
// was still running after a while.
int runAndDo(std::function<void()> action) {
  QTimer::singleShot(0, action);
  QTimer deadline;  // goes with the call, so it cannot end a later test's event loop
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
  deadline.start(300);
  return QCoreApplication::exec();
}

TEST(Form1Options, QuitAsksAndEndsOnlyOnYesTheCloseBoxEndsWithoutAsking) {
  Form1 form;
  MessageBoxRecorder boxes;
  boxes.answers = {platform::IDNO, platform::IDYES};
  const auto quit = [&] { form.mnuQuit->trigger(); };
  EXPECT_EQ(runAndDo(quit), -1);  // No: still running
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text,
            QStringLiteral("Are you sure you want to quit QUARVEN EDITOR?\n\nIf not then click NO."));
  EXPECT_EQ(boxes.calls[0].title, QStringLiteral("QUARVEN EDITOR"));
  EXPECT_EQ(boxes.calls[0].style, platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2);
  EXPECT_EQ(runAndDo(quit), 0);  // Yes: ends at once
  form.show();
  EXPECT_EQ(runAndDo([&] { form.close(); }), 0);
  EXPECT_EQ(boxes.calls.size(), 2u);
}

// A key press or a picture click on the splash shows the main window and hides the splash.
TEST(Splash, KeyPressOrPictureClickShowsTheMainWindow) {
  QWidget main;
  dialogs::frmSplash splash([&] { return &main; });
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
}  // namespace quarven::ui
