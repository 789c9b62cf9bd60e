// SAVE through the window: a refused save names the problem and leaves the file as it was (each
// refusal is shown on the core's tests); what the user typed and painted reaches the image and comes
// back on the next team load.

#include <QFile>

#include "editor_fixture.h"
#include "key_input.h"
#include "rom/team_table.h"

namespace quarven::testing {
namespace {

using SaveWindow = EditorFixture;

TEST_F(SaveWindow, RefusedSaveLeavesTheFileEditsSurviveSaveAndReload) {
  startWith();
  QFile file(form.rompath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  pressTeam(QStringLiteral("Bruins"));
  const QString lastLineBox = form.Text9[0]->text();
  form.Text9[0]->showText(QStringLiteral("77"));  // naming nobody
  form.Command1->click();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_TRUE(boxes.calls[0].text.contains("\"77\"")) << boxes.calls[0].text.toStdString();
  EXPECT_EQ(boxes.calls[0].title, "QUARVEN EDITOR");
  file.seek(0);
  EXPECT_EQ(file.readAll(), before);

  form.Text9[0]->showText(lastLineBox);
  const QString scorerNumber = form.Text0[5]->text();
  form.Text1[0]->showText(QStringLiteral("Neely O'Connor"));
  const QString oldNumber = form.Text0[1]->text();  // the line boxes showing it follow the new one
  form.Text0[1]->showText(QStringLiteral("99"));
  for (ui::TextBox* box : allLineSlots(form))
    if (box->text() == oldNumber) box->showText(QStringLiteral("99"));
  form.Text3[4]->showText(scorerNumber);  // SCORING 1, LD: roster row 5
  form.Text12->showText(QStringLiteral("xyz"));
  form.SSTab1->Label12_Click(1);    // AWAY tab (current at start): pants
  form.SSTab1->Label11_Click(179);  // swatch 0000E0
  form.mnuTeamNameChange_Click();
  form.Text10->showText(QStringLiteral("BEARS"));
  boxes.calls.clear();
  form.Command1->click();
  ASSERT_EQ(boxes.texts(), std::vector<QString>{QStringLiteral("Your changes have been saved.")});

  pressTeam(QStringLiteral("Mighty Ducks"));
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(QStringList({form.Text1[0]->text(), form.Text0[1]->text(), form.Text3[4]->text(),
                         form.Text12->text(), form.Text10->text()}),
            QStringList({"Neely O'Connor", "99", scorerNumber, "XYZ", "BEARS"}));
  EXPECT_EQ(form.SSTab1->sampleColour(11), 0x0000E0u);  // AWAY pants
  EXPECT_EQ(boxes.calls.size(), 1u);                    // the loads said nothing
}

// After a 24-player team, the Ducks (18 players) show a colour without a key in the earlier team's
// colour and a slot pointing at row 20 as that row's number, which is also a Ducks number. Left alone
// both go back unchanged; retyped and recoloured, they are written as the window shows them.
TEST_F(SaveWindow, UntouchedColoursAndLineSlotsSaveUnchangedTouchedOnesAsShown) {
  SyntheticRom rom;
  std::vector<std::uint8_t> bruinsNumbers;
  for (const PlayerContent& p : rom.team("Bruins").players) bruinsNumbers.push_back(p.number);
  bruinsNumbers[19] = 0xA5;
  const char* ducks = "Mighty Ducks";
  rom.playerNumbers("Bruins", bruinsNumbers).playerNumbers(ducks, {0xA5});
  rom.homeWord(ducks, 0, 0x1234)
      .homeWord(ducks, 1, 0x5005)
      .lineSlot(ducks, 0, 1, 20)
      .lineSlot(ducks, 6, 4, 0);
  startWith(rom);
  pressTeam(QStringLiteral("Bruins"));
  pressTeam(QStringLiteral("Mighty Ducks"));
  ASSERT_EQ(form.Text3[4]->text(), QStringLiteral("A5"));  // SCORING 1, LD: Bruins row 20
  QFile file(form.rompath);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  form.Command1->click();
  ASSERT_EQ(boxes.texts(), std::vector<QString>{QStringLiteral("Your changes have been saved.")});
  file.seek(0);
  EXPECT_EQ(file.readAll(), before);

  form.Text3[4]->selectAll();
  typeText(form.Text3[4], QStringLiteral("A5"));  // the same text, typed: Ducks row 1
  form.SSTab1->setCurrentIndex(0);
  form.SSTab1->Label8_Click(0);     // HOME sleeves
  form.SSTab1->Label11_Click(179);  // swatch 0000E0, word 0x001C
  form.Command1->click();
  file.seek(0);
  const QByteArray after = file.readAll();
  const std::uint32_t home = layout::homePalette(0);
  const std::uint32_t slot = layout::lineSlot(findTeamByKey(ducks)->firstRecord, 0, 1);
  QByteArray expected = before;  // sleeves recoloured, pants kept, the slot names row 1
  expected[home + 4] = 0x1C, expected[home + 5] = 0x00, expected[slot] = 0x01;
  EXPECT_TRUE(after == expected);
}

}  // namespace
}  // namespace quarven::testing
