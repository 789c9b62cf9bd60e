// Quit from the File menu (the help box and always on top are in form1_layout_test.cpp, the edit options
// are followed to the file in save_window_test.cpp).

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

}  // namespace
}  // namespace quarven::ui
