// The Options and File menu handlers: option toggles with their messages, the help box widths,
// About, always on top, and Quit.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTimer>

#include "key_input.h"
#include "message_box_recorder.h"
#include "platform/window_api.h"
#include "ui/form1.h"
#include "ui/help_box.h"
#include "ui/text_box.h"

namespace quarven::ui {
namespace {

using platform::MB_DEFBUTTON2;
using platform::MB_ICONQUESTION;
using platform::MB_YESNO;
using testing::MessageBoxRecorder;

// The message comes with the box disabled: before enabling, after disabling. Only the box's enabled
// state and the caption change.
TEST(Form1Options, TogglesFlipBoxAndCaptionWithTheirMessageOnOneSide) {
  struct Case {
    QAction* Form1::*item;
    TextBox* Form1::*box;
    bool onAtStart;
    QString message;  // shown when the option goes on (team name) or off (abbreviation)
    QString captionWhileOn, captionWhileOff;
  };
  const Case cases[] = {
      {&Form1::mnuTeamNameChange, &Form1::Text10, false,
       "This option only works about half of the time, it may corrupt the rom causing it to not work. Make "
       "sure to save a copy.",
       "Disable Team Name Change", "Enable Team Name Change"},
      {&Form1::mnudisAbbrev, &Form1::Text12, true,
       "This option will save your rom from being corrupt if you manually edited the team abbreviations "
       "with a hex editor.",
       "Disable Team Abbreviation Change", "Enable Team Abbreviation Change"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.captionWhileOff.toStdString());
    Form1 form;
    TextBox* box = form.*c.box;
    QAction* item = form.*c.item;
    box->setText(QStringLiteral("KEEP"));
    MessageBoxRecorder boxes;
    std::vector<bool> enabledWhileShown;
    boxes.onShow = [&](const platform::MessageBoxCall&) { enabledWhileShown.push_back(box->isEnabled()); };
    EXPECT_EQ(box->isEnabled(), c.onAtStart);
    EXPECT_EQ(item->text(), c.onAtStart ? c.captionWhileOn : c.captionWhileOff);
    for (int flip = 1; flip <= 4; ++flip) {
      const bool on = (flip % 2 == 1) != c.onAtStart;
      item->trigger();
      EXPECT_EQ(box->isEnabled(), on) << flip;
      EXPECT_EQ(item->text(), on ? c.captionWhileOn : c.captionWhileOff) << flip;
    }
    EXPECT_EQ(boxes.texts(), (std::vector<QString>{c.message, c.message}));
    EXPECT_EQ(enabledWhileShown, (std::vector<bool>{false, false}));
    for (const auto& call : boxes.calls) {
      EXPECT_EQ(call.title, QStringLiteral("QUARVEN EDITOR"));
      EXPECT_EQ(call.style, platform::MB_OK);
    }
    EXPECT_EQ(box->text(), QStringLiteral("KEEP"));
    EXPECT_FALSE(box->isVisible());
  }
}

TEST(Form1Options, HelpBoxWidensTheWindowAndDoubleClickNarrowsIt) {
  Form1 form;
  form.show();
  const QPoint place = form.pos();
  const int height = form.height();
  const int normal = form.centralWidget()->width();
  EXPECT_EQ(normal, 395);  // outer 6015 twips less the border

  form.mnhHelp->trigger();
  EXPECT_EQ(form.centralWidget()->width(), 692);  // outer 10470 twips less the border
  EXPECT_TRUE(form.centralWidget()->rect().contains(form.Text13->geometry()));
  form.mnhHelp->trigger();  // shown already: nothing changes
  EXPECT_EQ(form.centralWidget()->width(), 692);
  EXPECT_EQ(form.height(), height);
  EXPECT_EQ(form.pos(), place);
  EXPECT_EQ(form.minimumSize(), form.maximumSize());

  testing::sendMouse(form.Text13->viewport(), QEvent::MouseButtonDblClick, QPointF(20, 20));
  EXPECT_EQ(form.centralWidget()->width(), normal);
  EXPECT_GE(form.Text13->x(), form.centralWidget()->width());
  EXPECT_EQ(form.pos(), place);
}

TEST(Form1Options, AboutShowsOneOkBox) {
  Form1 form;
  MessageBoxRecorder boxes;
  form.mnuAboutQUARVEN->trigger();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].title, QStringLiteral("QUARVEN EDITOR"));
  EXPECT_EQ(boxes.calls[0].style, platform::MB_OK);
  EXPECT_TRUE(boxes.calls[0].text.contains(QStringLiteral("the QUARVEN EDITOR developers")));
}

TEST(Form1Options, AlwaysOnTopTwiceThenNormalKeepsPlaceAndSize) {
  Form1 form;
  form.show();
  const QRect before = form.geometry();
  form.mnuTop->trigger();
  EXPECT_TRUE(platform::IsTopMost(&form));
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
  QTimer::singleShot(300, [] { QCoreApplication::exit(-1); });
  return QCoreApplication::exec();
}

TEST(Form1Options, QuitAsksAndEndsOnlyOnYesTheCloseBoxEndsWithoutAsking) {
  Form1 form;
  form.Text1[0]->setText(QStringLiteral("UNSAVED"));
  MessageBoxRecorder boxes;
  boxes.answers = {platform::IDNO, platform::IDYES};
  const auto quit = [&] { form.mnuQuit->trigger(); };

  EXPECT_EQ(runAndDo(quit), -1);  // No: still running
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text,
            QStringLiteral("Are you sure you want to quit QUARVEN EDITOR?\n\nIf not then click NO."));
  EXPECT_EQ(boxes.calls[0].title, QStringLiteral("QUARVEN EDITOR"));
  EXPECT_EQ(boxes.calls[0].style, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
  EXPECT_EQ(form.Text1[0]->text(), QStringLiteral("UNSAVED"));
  EXPECT_EQ(runAndDo(quit), 0);  // Yes: ends at once
  EXPECT_EQ(boxes.calls.size(), 2u);

  form.show();
  EXPECT_EQ(runAndDo([&] { form.close(); }), 0);
  EXPECT_EQ(boxes.calls.size(), 2u);
}

}  // namespace
}  // namespace quarven::ui
