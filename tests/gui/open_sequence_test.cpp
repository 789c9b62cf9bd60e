// Opening a ROM image at start-up and from "Open &Rom": what each outcome shows and leaves behind.

#include <sys/stat.h>

#include <QFileInfo>
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
    const QString name = pathLength ? nameOfPathLength(scratch, pathLength) : QString(what) + ".smc";
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
      for (const QWidget* w : controls(fresh))  // the toolbar once an image is accepted
        EXPECT_EQ(w->isVisible(),
                  w == fresh.Text13 || (w == fresh.Toolbar1 && c.outcome == Outcome::Accepted));
      EXPECT_EQ(c.label3.isEmpty() ? QString() : fresh.Label3->text(), c.label3);
      EXPECT_FALSE(c.outcome == Outcome::Failed && !typed.isEmpty() && QFileInfo::exists(typed));
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
    // Accepted: hidden, not emptied. Rejected: hidden and emptied but for banner and team name (texts
    // 0 and 1; then abbreviation, rows, line slots). Failed: as it was.
    const PanelSnapshot after = snapshot(form);
    QStringList texts = loaded.texts;
    if (c.outcome == Outcome::Rejected) std::fill(texts.begin() + 2, texts.end(), QString());
    EXPECT_EQ(after.texts, texts);
    EXPECT_EQ(after.shown,
              c.outcome == Outcome::Failed ? loaded.shown : std::vector<bool>(loaded.shown.size()));
    EXPECT_EQ(after.figureColours, loaded.figureColours);
    if (c.outcome == Outcome::Accepted) {  // a team loads from the new image
      pressTeam(QStringLiteral("Kings"));
      EXPECT_EQ(form.Text1[0]->text().toStdString(), c.rom->team("Kings").players[0].name);
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

// A file the system reports as long enough whose byte cannot be read takes the failure path, at
// start-up and from the menu: a read error is not a wrong signature.
TEST_F(OpenSequence, AFileThatCannotBeReadIsNotARejection) {
  const QString unreadable = QStringLiteral("/sys/devices/system/cpu/online");  // 4096 bytes by its size
  if (QFileInfo(unreadable).size() <= 0x210) GTEST_SKIP() << "no such file on this machine";
  ui::Form1 fresh;
  answerOpenWith(unreadable);
  fresh.Form_Load();
  EXPECT_EQ(boxes.texts(), std::vector<QString>{kSelectARom});
  EXPECT_TRUE(fresh.rompath.isEmpty());
  boxes.calls.clear();
  startWith();
  answerOpenWith(unreadable);
  form.mnuOpen_Click();
  EXPECT_EQ(boxes.texts(), std::vector<QString>{kSelectARom});
  EXPECT_NE(form.rompath, unreadable);
}

}  // namespace
}  // namespace quarven::testing
