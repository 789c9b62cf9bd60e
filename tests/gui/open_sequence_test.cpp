// Opening a ROM image at start-up and from "Open &Rom": what each outcome shows and leaves behind.

#include <sys/stat.h>

#include <QFileInfo>
#include <functional>

#include "editor_fixture.h"

namespace quarven::testing {
namespace {

const QString kNotARom = QStringLiteral("This is not a SNES QUARVEN rom.");
const QString kSelectARom = QStringLiteral("Please select a SNES QUARVEN rom.");

enum class Outcome { Accepted, Rejected, Failed };

struct OpenCase {
  const char* what;
  // Prepares the file (if any) and returns the name typed in the dialog; empty cancels it.
  std::function<QString(EditorFixture&)> choose;
  Outcome outcome;
  QString label3;  // the caption the check leaves; empty: not looked at
};

const std::vector<OpenCase>& openCases() {
  static const std::vector<OpenCase> cases = {
      {"another image",
       [](EditorFixture& f) { return f.writeRom(SyntheticRom(7), QStringLiteral("other.smc")); },
       Outcome::Accepted, "AF"},
      {"a read-only image",
       [](EditorFixture& f) {
         const QString path = f.writeRom(SyntheticRom(7), QStringLiteral("locked.smc"));
         ::chmod(path.toLocal8Bit().constData(), 0444);
         return path;
       },
       Outcome::Accepted, "AF"},
      {"a wrong signature byte",
       [](EditorFixture& f) {
         return f.writeRom(SyntheticRom().signature(0x05), QStringLiteral("wrong.smc"));
       },
       Outcome::Rejected, "5"},
      {"528 bytes",
       [](EditorFixture& f) { return f.writeRom(SyntheticRom().truncate(0x210), QStringLiteral("528.smc")); },
       Outcome::Rejected, "0"},
      {"a cancelled dialog", [](EditorFixture&) { return QString(); }, Outcome::Failed, {}},
      {"a typed name of no file",
       [](EditorFixture& f) { return QDir(f.scratch.path()).filePath(QStringLiteral("typed.smc")); },
       Outcome::Failed,
       {}},
  };
  return cases;
}

QString expectedMessage(Outcome outcome) {
  return outcome == Outcome::Rejected ? kNotARom : outcome == Outcome::Failed ? kSelectARom : QString();
}

void expectOneMessageOrNone(const MessageBoxRecorder& boxes, Outcome outcome) {
  if (outcome == Outcome::Accepted) {
    EXPECT_TRUE(boxes.calls.empty());
    return;
  }
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(boxes.calls[0].text, expectedMessage(outcome));
  EXPECT_EQ(boxes.calls[0].title, QStringLiteral("QUARVEN EDITOR"));
  EXPECT_EQ(boxes.calls[0].style, unsigned(platform::MB_OK));
}

class OpenSequence : public EditorFixture {};

TEST_F(OpenSequence, StartUpOutcomes) {
  for (const auto build : {ui::Form1::PanelBuild::WithWindow, ui::Form1::PanelBuild::AfterOpenDialog})
    for (const OpenCase& c : openCases()) {
      SCOPED_TRACE(c.what);
      SCOPED_TRACE(build == ui::Form1::PanelBuild::WithWindow ? "panel made with the window"
                                                              : "panel made later");
      ui::Form1 fresh(build);
      boxes.calls.clear();
      const QString typed = c.choose(*this);
      answerOpenWith(typed);
      bool shownBeforeMessage = false;
      boxes.onShow = [&](const platform::MessageBoxCall&) { shownBeforeMessage = fresh.isVisible(); };
      fresh.Form_Load();
      fresh.show();

      expectOneMessageOrNone(boxes, c.outcome);
      EXPECT_FALSE(shownBeforeMessage) << "the message comes before the window";
      EXPECT_EQ(fresh.rompath, c.outcome == Outcome::Accepted ? typed : QString());
      EXPECT_EQ(fresh.Toolbar1->isVisible(), c.outcome == Outcome::Accepted);
      EXPECT_FALSE(fresh.SSTab1->isVisible());
      EXPECT_FALSE(fresh.Text0[0]->isVisible());
      if (!c.label3.isEmpty()) {
        EXPECT_EQ(fresh.Label3->text(), c.label3);
      }
      EXPECT_FALSE(fresh.Label3->isVisible());
      if (!typed.isEmpty() && c.outcome == Outcome::Failed) {
        EXPECT_FALSE(QFileInfo::exists(typed)) << "a typed name is not created";
      }
    }
  EXPECT_EQ(lastDialogTitle, QStringLiteral("Open A SNES QUARVEN Rom."));
}

// From a loaded team (the panel shown and filled), each outcome of "Open &Rom".
TEST_F(OpenSequence, MenuOutcomesAfterATeamWasLoaded) {
  for (const OpenCase& c : openCases()) {
    SCOPED_TRACE(c.what);
    startWith();
    pressTeam(QStringLiteral("Bruins"));
    ASSERT_TRUE(form.Text1[0]->isVisible());
    const QString before = form.rompath;
    const PanelSnapshot loaded = snapshot(form);
    const SelectedTeam team = form.selectedTeam;

    const QString typed = c.choose(*this);
    answerOpenWith(typed);
    form.mnuOpen_Click();

    expectOneMessageOrNone(boxes, c.outcome);
    EXPECT_EQ(form.rompath, c.outcome == Outcome::Accepted ? typed : before);
    EXPECT_EQ(form.Toolbar1->isVisible(), c.outcome == Outcome::Accepted);
    EXPECT_EQ(form.selectedTeam, team) << "opening never touches the selected team";
    const PanelSnapshot after = snapshot(form);
    switch (c.outcome) {
      case Outcome::Accepted:  // hidden, not emptied
        EXPECT_EQ(after.texts, loaded.texts);
        EXPECT_TRUE(std::none_of(after.shown.begin(), after.shown.end(), [](bool v) { return v; }));
        break;
      case Outcome::Rejected:  // emptied and hidden; team name and banner stay
        EXPECT_TRUE(std::none_of(after.shown.begin(), after.shown.end(), [](bool v) { return v; }));
        for (const auto* box : {form.Text0[0], form.Text1[0], form.Text2[0], form.Text3[4], form.Text12})
          EXPECT_EQ(box->text(), "");
        EXPECT_EQ(form.Text10->text(), "BRUINS");
        EXPECT_EQ(form.Label4->text(), "BOSTON BRUINS");
        break;
      case Outcome::Failed:  // the panel is left exactly as it was
        EXPECT_EQ(after, loaded);
        break;
    }
    boxes.calls.clear();
  }
}

// The window the editor starts with makes its panel once the open dialog is answered: until then
// there is none; afterwards the window is the same, control for control, as one made at once.
TEST_F(OpenSequence, PanelMadeAfterTheOpenDialogIsTheSameAsOneMadeWithTheWindow) {
  const QString rom = writeRom(SyntheticRom());
  ui::Form1 later(ui::Form1::PanelBuild::AfterOpenDialog);
  bool panelDuringDialog = true;
  platform::setCommonDialogDriver({{}, [&](QFileDialog& dialog) {
                                     panelDuringDialog = later.Text0[0] || later.Toolbar1 || later.Label3;
                                     dialog.reject();
                                   }});
  later.Form_Load();
  EXPECT_FALSE(panelDuringDialog);
  answerOpenWith(rom);
  later.mnuOpen_Click();
  later.show();

  ui::Form1 atOnce;
  answerOpenWith(QString());
  atOnce.Form_Load();
  answerOpenWith(rom);
  atOnce.mnuOpen_Click();
  atOnce.show();

  // Controls in creation order: class, place, visibility and the next one in the Tab chain.
  const auto describe = [](ui::Form1& form) {
    const QList<QWidget*> controls = form.centralWidget()->findChildren<QWidget*>();
    QStringList lines;
    for (QWidget* control : controls) {
      const auto& g = control->geometry();
      lines << QStringLiteral("%1 %2,%3 %4x%5 %6 next %7")
                   .arg(QString::fromLatin1(control->metaObject()->className()))
                   .arg(g.x())
                   .arg(g.y())
                   .arg(g.width())
                   .arg(g.height())
                   .arg(control->isVisible())
                   .arg(controls.indexOf(control->nextInFocusChain()));
    }
    return lines;
  };
  EXPECT_EQ(describe(later), describe(atOnce));
  EXPECT_EQ(later.geometry().size(), atOnce.geometry().size());
  later.Toolbar1_ButtonClick(QStringLiteral("Kings"));
  EXPECT_EQ(later.Label4->text(), "LOS ANGELES KINGS");
}

TEST_F(OpenSequence, AfterACancelledStartUpOpenRomWorks) {
  answerOpenWith(QString());
  form.Form_Load();
  form.show();
  answerOpenWith(writeRom(SyntheticRom()));
  form.mnuOpen_Click();
  EXPECT_EQ(boxes.texts(), std::vector<QString>{kSelectARom});
  pressTeam(QStringLiteral("Kings"));
  EXPECT_EQ(form.Label4->text(), "LOS ANGELES KINGS");
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
