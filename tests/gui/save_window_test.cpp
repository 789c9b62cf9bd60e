// SAVE through the window: the two edit options, set from the menu, decide what is written; a refused
// save names the problem and leaves the file as it was (each refusal is shown on the core's tests);
// what the user left alone goes back as it was, what they typed and painted as the window shows it.

#include <QAction>

#include "editor_fixture.h"
#include "key_input.h"
#include "rom/team_table.h"

namespace quarven::testing {
namespace {

using SaveWindow = EditorFixture;
const QString kSaved = QStringLiteral("Your changes have been saved.");

// Team name and abbreviation typed while both options are on, then both switched off from the menu:
// SAVE leaves the file as it was. Switched on again, the same texts are written. The team-name
// warning comes before its box is enabled, the abbreviation note after its box is disabled.
TEST_F(SaveWindow, EditOptionsFromTheMenuDecideWhetherTeamNameAndAbbreviationAreWritten) {
  startWith();
  pressTeam(QStringLiteral("Bruins"));
  const QByteArray before = fileBytes();
  const auto options = [&] {  // caption's first word and box state of each option
    return form.mnuTeamNameChange->text().section(' ', 0, 0) + (form.Text10->isEnabled() ? "/on " : "/off ") +
           form.mnudisAbbrev->text().section(' ', 0, 0) + (form.Text12->isEnabled() ? "/on" : "/off");
  };
  QStringList seen;
  boxes.onShow = [&](const platform::MessageBoxCall& call) {
    seen << call.text.section(' ', 3, 3) + ": " + options();  // "works", "save" or "been"
    EXPECT_EQ(std::pair(call.title, call.style),
              std::pair(QStringLiteral("QUARVEN EDITOR"), unsigned(platform::MB_OK)));
  };
  form.mnuTeamNameChange->trigger();
  for (ui::TextBox* box : {form.Text10, form.Text12}) box->selectAll();
  typeText(form.Text10, QStringLiteral("BEARS"));
  typeText(form.Text12, QStringLiteral("xyz"));
  form.mnuTeamNameChange->trigger();
  form.mnudisAbbrev->trigger();
  seen << options();
  form.Command1->click();
  const std::uint32_t names = layout::kTeamNamePointerOffset, abbrev = findTeamByKey("Bruins")->abbrevOffset;
  const qsizetype namesSize = layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize - names;
  EXPECT_EQ(fileBytes().mid(names, namesSize), before.mid(names, namesSize));
  EXPECT_EQ(fileBytes().mid(abbrev, 3), before.mid(abbrev, 3));

  form.mnuTeamNameChange->trigger();
  form.mnudisAbbrev->trigger();
  form.Command1->click();
  const QByteArray after = fileBytes();
  EXPECT_EQ(after.mid(abbrev, 3), "XYZ");
  EXPECT_EQ(after.mid(layout::kTeamNameBlockOffset + 13, 6), QByteArray("BEARS\0", 6));  // after MIGHTY DUCKS
  for (int m = 0; m < layout::kTeamCount; ++m)  // one letter less: later names start one byte sooner
    EXPECT_EQ(char(after[layout::pointerLowByte(m)] + (m >= 2)), before[layout::pointerLowByte(m)]) << m;
  EXPECT_EQ(seen, QStringList({"works: Enable/off Disable/on", "save: Enable/off Enable/off",
                               "Enable/off Enable/off", "been: Enable/off Enable/off",
                               "works: Enable/off Enable/off", "been: Disable/on Disable/on"}));
  EXPECT_EQ(boxes.texts()[0],
            QStringLiteral("This option only works about half of the time, it may corrupt the "
                           "rom causing it to not work. Make sure to save a copy."));
  EXPECT_EQ(boxes.texts()[1],
            QStringLiteral("This option will save your rom from being corrupt if you manually "
                           "edited the team abbreviations with a hex editor."));
}

// After a 24-player team, the Ducks (18 players) show a colour without a key in the earlier team's
// colour and a slot pointing at row 20 as that row's number, which is also a Ducks number. A refused
// save leaves the file as it was; left alone, both go back unchanged; retyped and recoloured, they are
// written as the window shows them; an edited name and number and an AWAY recolour come back on the
// next load.
TEST_F(SaveWindow, RefusedUntouchedAndEditedSaves) {
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
  form.Text3[4]->selectAll();
  typeText(form.Text3[4], QStringLiteral("1"));  // typed for Bruins: no edit of the Ducks' box
  pressTeam(QStringLiteral("Mighty Ducks"));
  ASSERT_EQ(form.Text3[4]->text(), QStringLiteral("A5"));  // SCORING 1, LD: Bruins row 20
  const QByteArray before = fileBytes();
  const QString lastLineBox = form.Text8[0]->text();
  form.Text8[0]->showText(QStringLiteral("AA"));  // naming nobody
  form.Command1->click();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_TRUE(boxes.calls[0].text.contains("\"AA\"")) << boxes.calls[0].text.toStdString();
  EXPECT_EQ(boxes.calls[0].title, "QUARVEN EDITOR");
  EXPECT_EQ(fileBytes(), before);
  form.Text8[0]->showText(lastLineBox);
  form.Command1->click();
  EXPECT_EQ(fileBytes(), before);

  form.Text3[4]->selectAll();
  typeText(form.Text3[4], QStringLiteral("A5"));  // the same text, typed: Ducks row 1
  form.SSTab1->setCurrentIndex(0);
  form.SSTab1->Label8_Click(0);     // HOME sleeves
  form.SSTab1->Label11_Click(179);  // swatch 0000E0, word 0x001C
  form.Command1->click();
  const std::uint32_t home = layout::homePalette(0);
  const std::uint32_t slot = layout::lineSlot(findTeamByKey(ducks)->firstRecord, 0, 1);
  QByteArray expected = before;  // sleeves recoloured, pants kept, the slot names row 1
  expected[home + 4] = 0x1C, expected[home + 5] = 0x00, expected[slot] = 0x01;
  EXPECT_TRUE(fileBytes() == expected);

  form.Text1[0]->showText(QStringLiteral("Neely O'Connor"));
  const QString oldNumber = form.Text0[1]->text();  // the line boxes showing it follow the new one
  form.Text0[1]->showText(QStringLiteral("99"));
  for (ui::TextBox* box : allLineSlots(form))
    if (box->text() == oldNumber) box->showText(QStringLiteral("99"));
  form.SSTab1->setCurrentIndex(1);
  form.SSTab1->Label12_Click(1);    // AWAY pants
  form.SSTab1->Label11_Click(179);  // swatch 0000E0, word 0x001C
  form.Command1->click();
  const std::uint32_t away = layout::awayPalette(0);
  EXPECT_EQ(fileBytes().mid(away + 6, 2), QByteArray("\x1C\0", 2));
  pressTeam(QStringLiteral("Bruins"));
  pressTeam(QStringLiteral("Mighty Ducks"));
  EXPECT_EQ(QStringList({form.Text1[0]->text(), form.Text0[1]->text(), form.Text3[4]->text()}),
            QStringList({"Neely O'Connor", "99", "A5"}));
  // AWAY pants and HOME sleeves as painted.
  EXPECT_EQ(std::pair(form.SSTab1->sampleColour(11), form.SSTab1->sampleColour(0)),
            std::pair(0x0000E0u, 0x0000E0u));
  const std::vector<QString> texts = boxes.texts();  // the refusal, three saves; the loads said nothing
  EXPECT_EQ(std::vector(texts.begin() + 1, texts.end()), std::vector<QString>(3, kSaved));
}

// Another program changes the image after the team load: SAVE asks, No the default, before it writes
// over the change; No leaves the file as the other program left it, Yes saves.
TEST_F(SaveWindow, ImageChangedOnDiskIsOverwrittenOnlyAfterYes) {
  startWith();
  pressTeam(QStringLiteral("Kings"));
  const QByteArray original = fileBytes();
  QByteArray changed = original;
  changed[findTeamByKey("Kings")->abbrevOffset] = 'Q';
  QFile file(form.rompath);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(changed) == changed.size());
  file.close();
  boxes.answers = {platform::IDNO};
  form.Command1->click();
  ASSERT_EQ(boxes.calls.size(), 1u);
  EXPECT_EQ(std::pair(boxes.calls[0].title, boxes.calls[0].style),
            std::pair(QStringLiteral("QUARVEN EDITOR"),
                      unsigned(platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2)));
  EXPECT_TRUE(boxes.calls[0].text.startsWith("The ROM image has changed on disk since this team was loaded"));
  EXPECT_EQ(fileBytes(), changed);
  boxes.answers = {platform::IDYES};
  form.Command1->click();
  EXPECT_EQ(boxes.texts(), std::vector({boxes.calls[0].text, boxes.calls[0].text, kSaved}));
  EXPECT_EQ(fileBytes(), original);
}

// A save failed part way and left the abbreviation half written (its first byte written, and not put
// back). Another team, another image, Quit and the close box each ask first, No the default, and No
// keeps the team in the window; once SAVE has finished the team, nothing asks.
TEST_F(SaveWindow, LeavingAHalfWrittenTeamAsksFirst) {
  startWith();
  pressTeam(QStringLiteral("Kings"));
  const QByteArray original = fileBytes();
  const std::uint32_t abbrev = findTeamByKey("Kings")->abbrevOffset;
  QByteArray halfWritten = original;
  halfWritten[abbrev] = 'Z';
  QFile file(form.rompath);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(halfWritten) == halfWritten.size());
  file.close();
  const std::uint8_t before = static_cast<std::uint8_t>(original[abbrev]), tried = 'Z';
  form.selectedTeam.unfinished.add(abbrev, {&before, 1}, {&tried, 1});
  form.selectedTeam.onDisk.allow(abbrev, {&tried, 1});

  form.show();
  lastDialogTitle.clear();
  pressTeam(QStringLiteral("Bruins"));
  form.mnuOpen->trigger();
  form.mnuQuit->trigger();
  EXPECT_FALSE(form.close());
  ASSERT_EQ(boxes.calls.size(), 4u);
  for (const platform::MessageBoxCall& call : boxes.calls) {
    EXPECT_EQ(std::pair(call.title, call.style),
              std::pair(QStringLiteral("QUARVEN EDITOR"),
                        unsigned(platform::MB_YESNO | platform::MB_ICONQUESTION | platform::MB_DEFBUTTON2)));
    EXPECT_TRUE(call.text.contains("half written")) << call.text.toStdString();
  }
  EXPECT_EQ(lastDialogTitle, QString());
  EXPECT_EQ(form.Label4->text(), QStringLiteral("LOS ANGELES KINGS"));

  form.Command1->click();
  EXPECT_EQ(boxes.texts().back(), kSaved);
  EXPECT_EQ(fileBytes(), original);
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(boxes.calls.size(), 5u);
  EXPECT_EQ(form.Label4->text(), QStringLiteral("BOSTON BRUINS"));
}

}  // namespace
}  // namespace quarven::testing
