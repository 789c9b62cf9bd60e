// SAVE through the window: what the user typed and painted reaches the ROM image, comes back on
// the next team load, and a save the editor refuses leaves the file as it was. Each refusal and
// failure of the save itself is shown on the save core's own tests.

#include <QFile>

#include "editor_fixture.h"
#include "ui/uniform_tabs.h"

namespace quarven::testing {
namespace {

class SaveWindowTest : public EditorFixture {
 protected:
  QByteArray fileBytes() {
    QFile file(romPath);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }

  void start() {
    startWith();
    romPath = form.rompath;
    pressTeam(QStringLiteral("Bruins"));
  }

  QString romPath;
};

TEST_F(SaveWindowTest, EditsSurviveSaveAndReload) {
  start();
  const QString scorerNumber = form.Text0[5]->text();
  form.Text1[0]->setText(QStringLiteral("Neely O'Connor"));
  // A new number: the line boxes that showed the old one must follow it.
  const QString oldNumber = form.Text0[1]->text();
  form.Text0[1]->setText(QStringLiteral("99"));
  for (int line = 0; line < ui::Form1::kLines; ++line)
    for (ui::TextBox* box : form.lineSlots(line))
      if (box->text() == oldNumber) box->setText(QStringLiteral("99"));
  form.Text3[4]->setText(scorerNumber);  // SCORING 1, LD: roster row 5
  form.Text12->setText(QStringLiteral("xyz"));
  form.SSTab1->Label12_Click(1);    // AWAY tab (current at start): pants
  form.SSTab1->Label11_Click(179);  // swatch 0000E0
  form.mnuTeamNameChange_Click();
  form.Text10->setText(QStringLiteral("BEARS"));

  boxes.calls.clear();
  form.Command1->click();
  ASSERT_EQ(boxes.texts(), std::vector<QString>{QStringLiteral("Your changes have been saved.")});

  pressTeam(QStringLiteral("Mighty Ducks"));
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.Text1[0]->text(), QStringLiteral("Neely O'Connor"));
  EXPECT_EQ(form.Text0[1]->text(), QStringLiteral("99"));
  EXPECT_EQ(form.Text3[4]->text(), scorerNumber);
  EXPECT_EQ(form.Text12->text(), QStringLiteral("XYZ"));
  EXPECT_EQ(form.Text10->text(), QStringLiteral("BEARS"));
  EXPECT_EQ(form.SSTab1->sampleColour(11), 0x0000E0u);  // AWAY pants
  EXPECT_EQ(boxes.texts().size(), 1u);                  // the loads said nothing
}

TEST_F(SaveWindowTest, RefusedSaveNamesTheProblemAndLeavesTheFileAlone) {
  start();
  const QByteArray before = fileBytes();
  struct Case {
    const char* what;
    std::function<void()> edit;
  };
  const Case cases[] = {
      {"line box naming nobody", [&] { form.Text9[0]->setText(QStringLiteral("77")); }},
      {"swatch colour without a word",
       [&] {
         form.SSTab1->Label12_Click(0);
         form.SSTab1->Label11_Click(149);  // 008000
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    pressTeam(QStringLiteral("Bruins"));
    c.edit();
    boxes.calls.clear();
    form.Command1->click();
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_NE(boxes.calls[0].text, QStringLiteral("Your changes have been saved."));
    EXPECT_EQ(boxes.calls[0].title, QStringLiteral("QUARVEN EDITOR"));
    EXPECT_EQ(fileBytes(), before);
  }
}

}  // namespace
}  // namespace quarven::testing
