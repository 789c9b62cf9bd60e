// Opening a ROM image at start-up and from "Open &Rom": what each outcome shows and leaves behind.

#include <sys/stat.h>

#include <QFileInfo>
#include <functional>
#include <optional>

#include "editor_fixture.h"
#include "long_path.h"

namespace quarven::testing {
namespace {

const QString kSelectARom = QStringLiteral("Please select a SNES QUARVEN rom.");

enum class Outcome { Accepted, Rejected, Failed };

struct OpenCase {
  const char* what;
  std::optional<SyntheticRom> rom;  // none: a name of no file is typed
  Outcome outcome;
  QString label3;  // the caption the check leaves; empty: not looked at
  bool cancel = false, readOnly = false;
  int pathLength = 0;  // of the image's full path, when it matters

  // Prepares the file and returns the name typed in the dialog; empty cancels it.
  QString choose(EditorFixture& f) const {
    if (cancel) return {};
    const QDir scratch(f.scratch.path());
    if (!rom) return scratch.filePath(QStringLiteral("typed.smc"));
    const QString name =
        pathLength ? nameOfPathLength(scratch, pathLength) : QString::fromLatin1(what) + ".smc";
    scratch.mkpath(QFileInfo(scratch.filePath(name)).path());
    const QString path = f.writeRom(*rom, name);
    if (readOnly) ::chmod(path.toLocal8Bit().constData(), 0444);
    return path;
  }
};

const std::vector<OpenCase>& openCases() {
  static const std::vector<OpenCase> cases = {
      {"a read-only image", SyntheticRom(7), Outcome::Accepted, "AF", false, true},
      {"an image at a 400-character path", SyntheticRom(7), Outcome::Accepted, "AF", false, false, 400},
      {"a wrong signature byte", SyntheticRom().signature(5), Outcome::Rejected, "5"},
      {"528 bytes", SyntheticRom().truncate(0x210), Outcome::Rejected, "0"},
      {"a cancelled dialog", {}, Outcome::Failed, {}, true},
      {"a typed name of no file", {}, Outcome::Failed, {}},
  };
  return cases;
}

void expectMessageOf(const MessageBoxRecorder& boxes, Outcome outcome) {
  using V = std::vector<QString>;
  EXPECT_EQ(boxes.texts(), outcome == Outcome::Accepted   ? V{}
                           : outcome == Outcome::Rejected ? V{"This is not a SNES QUARVEN rom."}
                                                          : V{kSelectARom});
  for (const auto& call : boxes.calls) EXPECT_EQ(call.title, "QUARVEN EDITOR");
}

bool noneShown(const PanelSnapshot& s) {
  return std::none_of(s.shown.begin(), s.shown.end(), std::identity{});
}

using OpenSequence = EditorFixture;

TEST_F(OpenSequence, StartUpOutcomes) {
  for (const auto build : {ui::Form1::PanelBuild::WithWindow, ui::Form1::PanelBuild::AfterOpenDialog})
    for (const OpenCase& c : openCases()) {
      SCOPED_TRACE(::testing::Message() << c.what << ", panel build " << int(build));
      ui::Form1 fresh(build);
      boxes.calls.clear();
      const QString typed = c.choose(*this);
      answerOpenWith(typed);
      bool shownBeforeMessage = false;
      boxes.onShow = [&](const platform::MessageBoxCall&) { shownBeforeMessage = fresh.isVisible(); };
      fresh.Form_Load();
      fresh.show();

      expectMessageOf(boxes, c.outcome);
      EXPECT_FALSE(shownBeforeMessage) << "the message comes before the window";
      EXPECT_EQ(fresh.rompath, c.outcome == Outcome::Accepted ? typed : QString());
      EXPECT_EQ(fresh.Toolbar1->isVisible(), c.outcome == Outcome::Accepted);
      EXPECT_EQ(std::tuple(fresh.SSTab1->isVisible(), fresh.Text0[0]->isVisible(), fresh.Label3->isVisible()),
                std::tuple(false, false, false));
      if (!c.label3.isEmpty()) {
        EXPECT_EQ(fresh.Label3->text(), c.label3);
      }
      if (!typed.isEmpty() && c.outcome == Outcome::Failed) {
        EXPECT_FALSE(QFileInfo::exists(typed));
      }
      if (c.outcome == Outcome::Accepted) {  // a team loads from the image
        fresh.Toolbar1_ButtonClick(QStringLiteral("Kings"));
        EXPECT_EQ(fresh.Label4->text(), "LOS ANGELES KINGS");
      }
    }
  EXPECT_EQ(lastDialogTitle, QStringLiteral("Open A SNES QUARVEN Rom."));
}

TEST_F(OpenSequence, MenuOutcomesAfterATeamWasLoaded) {
  for (const OpenCase& c : openCases()) {
    SCOPED_TRACE(c.what);
    startWith();
    pressTeam(QStringLiteral("Bruins"));
    const QString before = form.rompath;
    const PanelSnapshot loaded = snapshot(form);
    const SelectedTeam team = form.selectedTeam;
    const QString typed = c.choose(*this);
    answerOpenWith(typed);
    form.mnuOpen_Click();

    expectMessageOf(boxes, c.outcome);
    EXPECT_EQ(form.rompath, c.outcome == Outcome::Accepted ? typed : before);
    EXPECT_EQ(form.Toolbar1->isVisible(), c.outcome == Outcome::Accepted);
    EXPECT_EQ(form.selectedTeam, team) << "opening never touches the selected team";
    const PanelSnapshot after = snapshot(form);
    if (c.outcome == Outcome::Accepted) {  // hidden, not emptied
      EXPECT_EQ(after.texts, loaded.texts);
      EXPECT_TRUE(noneShown(after));
    } else if (c.outcome == Outcome::Rejected) {  // emptied and hidden; team name and banner stay
      EXPECT_TRUE(noneShown(after));
      for (const auto* box : {form.Text0[0], form.Text1[0], form.Text2[0], form.Text3[4], form.Text12})
        EXPECT_EQ(box->text(), "");
      EXPECT_EQ(form.Text10->text() + "|" + form.Label4->text(), "BRUINS|BOSTON BRUINS");
    } else {
      EXPECT_EQ(after, loaded);
    }
    boxes.calls.clear();
  }
}

// The panel made once the start-up dialog is answered (here cancelled) matches one made with the window.
TEST_F(OpenSequence, PanelMadeAfterTheOpenDialogIsTheSameAsOneMadeWithTheWindow) {
  const QString rom = writeRom(SyntheticRom());
  ui::Form1 later(ui::Form1::PanelBuild::AfterOpenDialog), atOnce;
  bool panelDuringDialog = true;
  platform::setCommonDialogDriver({{}, [&](QFileDialog& dialog) {
                                     panelDuringDialog = later.Text0[0] || later.Toolbar1 || later.Label3;
                                     dialog.reject();
                                   }});
  later.Form_Load();
  EXPECT_FALSE(panelDuringDialog);
  answerOpenWith(QString());
  atOnce.Form_Load();
  answerOpenWith(rom);
  for (ui::Form1* form : {&later, &atOnce}) {
    form->mnuOpen_Click();
    form->show();
  }

  // Controls in creation order: class, place, visibility and the next one in the Tab chain.
  const auto describe = [](ui::Form1& form) {
    const QList<QWidget*> controls = form.centralWidget()->findChildren<QWidget*>();
    QStringList lines;
    for (QWidget* c : controls) {
      const QRect g = c->geometry();
      lines << QString::asprintf("%s %d,%d %dx%d %d next %d", c->metaObject()->className(), g.x(), g.y(),
                                 g.width(), g.height(), int(c->isVisible()),
                                 int(controls.indexOf(c->nextInFocusChain())));
    }
    return lines;
  };
  EXPECT_EQ(describe(later), describe(atOnce));
  EXPECT_EQ(later.size(), atOnce.size());
  later.Toolbar1_ButtonClick(QStringLiteral("Kings"));
  EXPECT_EQ(later.Label4->text(), "LOS ANGELES KINGS");
}

// A file the system reports as long enough whose byte cannot be read takes the failure path.
TEST_F(OpenSequence, AFileThatCannotBeReadIsNotARejection) {
  const QString unreadable = QStringLiteral("/sys/devices/system/cpu/online");
  if (QFileInfo(unreadable).size() <= 0x210) GTEST_SKIP() << "no such file on this machine";
  startWith();
  answerOpenWith(unreadable);
  form.mnuOpen_Click();
  EXPECT_EQ(boxes.texts(), std::vector<QString>{kSelectARom});
  EXPECT_NE(form.rompath, unreadable);
}

}  // namespace
}  // namespace quarven::testing
