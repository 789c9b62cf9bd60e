// Quit from the File menu and the captions of the two edit options (the help box and always on top are
// in form1_layout_test.cpp, the edit options are followed to the file in save_window_test.cpp).

#include <QAction>
#include <QTimer>

#include "editor_fixture.h"

namespace quarven::ui {
namespace {

using testing::MessageBoxRecorder;

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

// Each option's caption names what choosing it does next: at start, then after each of two toggles.
TEST(Form1Options, EditOptionCaptionsFollowEachToggle) {
  Form1 form;
  MessageBoxRecorder boxes;
  QStringList captions;
  for (QAction* item : {form.mnuTeamNameChange, form.mnudisAbbrev}) {
    captions << item->text();
    for (int flip = 0; flip < 2; ++flip) {
      item->trigger();
      captions << item->text();
    }
  }
  EXPECT_EQ(captions, QStringList({"Enable Team Name Change", "Disable Team Name Change",
                                   "Enable Team Name Change", "Disable Team Abbreviation Change",
                                   "Enable Team Abbreviation Change", "Disable Team Abbreviation Change"}));
  EXPECT_EQ(boxes.calls.size(), 2u);
}

}  // namespace
}  // namespace quarven::ui
