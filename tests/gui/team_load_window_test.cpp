// Team load through the team buttons: what the window shows for every team, the colours of both
// uniforms and of the swatch grid, and damaged or vanished images.

#include <QApplication>
#include <QMouseEvent>
#include <cstdlib>

#include "colours/colour_key_table.h"
#include "colours/uniform_figure_data.h"
#include "editor_fixture.h"
#include "rom/team_table.h"
#include "ui/uniform_cell.h"

namespace quarven::testing {
namespace {

using colours::Side;

QString hex(std::uint8_t byte) {
  return QString::number(byte, 16).toUpper();
}
QString qs(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::uint32_t keyColour(std::uint16_t word) {
  return colours::displayColourOfKey(colourText(word)).value();
}

// Every box of a part group shows the colour.
void expectGroupColour(const ui::Form1& form, Side side, int part, std::uint32_t colour) {
  for (int box : colours::partGroup(side, part))
    EXPECT_EQ(form.SSTab1->boxColour(box), colour) << "box " << box << " of part " << part;
}

void sendMouse(QWidget* widget, QEvent::Type type) {
  const QPointF centre(widget->width() / 2.0, widget->height() / 2.0);
  QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

class TeamLoadWindow : public EditorFixture {};

TEST_F(TeamLoadWindow, EveryTeamShowsWhatTheImageHolds) {
  const SyntheticRom rom;
  startWith(rom);
  for (const TeamRow& row : teamTable()) {
    SCOPED_TRACE(row.key);
    const TeamContent& t = rom.team(row.index);
    pressTeam(qs(row.key));
    EXPECT_TRUE(boxes.calls.empty());

    const SelectedTeam& s = form.selectedTeam;
    EXPECT_EQ(s.teamIndex, row.index);
    EXPECT_EQ(s.playercount, row.playerCount);
    EXPECT_EQ(s.playerletterlimit, row.recordBudget);
    EXPECT_EQ(s.playeraddress, row.firstRecord + 1);
    EXPECT_EQ(s.abbrevaddress, row.abbrevOffset);
    EXPECT_EQ(form.Label4->text(), qs(row.fullName));
    EXPECT_EQ(form.Text10->text(), qs(t.blockName));
    EXPECT_EQ(form.Text12->maxLength(), row.abbrevLength);
    EXPECT_EQ(form.Text12->text(), QString::fromLatin1(reinterpret_cast<const char*>(t.abbrev.data()), 3));
    for (QWidget* w : {static_cast<QWidget*>(form.SSTab1), static_cast<QWidget*>(form.Command1),
                       static_cast<QWidget*>(form.Text12), static_cast<QWidget*>(form.Text9[3])})
      EXPECT_TRUE(w->isVisible());

    for (int i = 0; i < ui::Form1::kPlayerRows; ++i) {
      const bool used = i < row.playerCount;
      EXPECT_EQ(form.Text1[i]->isVisible(), used) << "row " << i;
      EXPECT_EQ(form.Text0[i]->isVisible(), used) << "row " << i;
      if (!used) continue;
      const PlayerContent& p = t.players[static_cast<std::size_t>(i)];
      EXPECT_EQ(form.Text1[i]->text(), qs(p.name)) << "row " << i;
      EXPECT_EQ(form.Text0[i]->text(), hex(p.number)) << "row " << i;
      EXPECT_EQ(form.Text2[i]->text(), hex(p.carried[0])) << "row " << i;
    }

    // A line box shows the jersey number of the roster row its slot names.
    for (int line = 0; line < ui::Form1::kLines; ++line) {
      const auto boxesOfLine = form.lineSlots(line);
      for (std::size_t box = 0; box < boxesOfLine.size(); ++box) {
        const std::uint8_t v = t.lines[line][boxesOfLine.size() - box - 1];
        ASSERT_TRUE(v >= 1 && v <= t.players.size());
        EXPECT_EQ(boxesOfLine[box]->text(), hex(t.players[v - 1u].number))
            << "line " << line << " box " << box;
      }
    }

    for (int part = 0; part < 10; ++part) {
      EXPECT_EQ(form.SSTab1->sampleColour(part), keyColour(t.home[part])) << "home part " << part;
      EXPECT_EQ(form.SSTab1->sampleColour(10 + part), keyColour(t.away[part])) << "away part " << part;
      expectGroupColour(form, Side::Home, part, keyColour(t.home[part]));
      expectGroupColour(form, Side::Away, part, keyColour(t.away[part]));
    }
  }
}

TEST_F(TeamLoadWindow, StateOfMightyDucksAndTheTwoLetterKings) {
  startWith();
  pressTeam(QStringLiteral("Mighty Ducks"));
  const SelectedTeam& s = form.selectedTeam;
  EXPECT_EQ(s.playercount, 18);
  EXPECT_EQ(s.playerletterlimit, 390);
  EXPECT_EQ(s.playeraddress, 945573u);
  EXPECT_EQ(s.homecoloraddress, 741200u);
  EXPECT_EQ(s.awaycoloraddress, 740304u);
  EXPECT_EQ(s.abbrevaddress, 945975u);
  EXPECT_EQ(form.Text12->maxLength(), 3);
  EXPECT_EQ(form.Label4->text(), "MIGHTY DUCKS OF ANAHEIM");
  EXPECT_TRUE(form.Text1[17]->isVisible());
  EXPECT_FALSE(form.Text1[18]->isVisible());

  pressTeam(QStringLiteral("Kings"));
  EXPECT_EQ(form.Text12->maxLength(), 2);
  EXPECT_EQ(form.Text12->text(), "LAK") << "all three letters, though only two can be typed";
}

TEST_F(TeamLoadWindow, NumberTextsAndRowsBeyondTheTeam) {
  startWith(SyntheticRom()
                .playerNumbers("Mighty Ducks", {0x00, 0x09, 0x1A, 0x27})
                .lineSlot("Mighty Ducks", 0, 1, 3)     // SCORING 1, LD: roster row 2
                .lineSlot("Mighty Ducks", 6, 4, 22)    // PEN. KILL 2, C: row 21, beyond the team
                .lineSlot("Mighty Ducks", 6, 3, 26));  // PEN. KILL 2, LW: no row
  pressTeam(QStringLiteral("Bruins"));                 // 24 rows
  QStringList bruinsTail;
  for (int i = 18; i < 24; ++i) bruinsTail << form.Text1[i]->text() + form.Text0[i]->text();

  pressTeam(QStringLiteral("Mighty Ducks"));  // 18 rows
  EXPECT_EQ(form.Text0[0]->text(), "0");
  EXPECT_EQ(form.Text0[1]->text(), "9");
  EXPECT_EQ(form.Text0[2]->text(), "1A");
  EXPECT_EQ(form.Text0[3]->text(), "27");
  EXPECT_EQ(form.Text3[4]->text(), "1A");
  EXPECT_EQ(form.Text9[0]->text(), form.Text0[21]->text()) << "the number text the hidden row still holds";
  EXPECT_EQ(form.Text9[1]->text(), "");
  QStringList tail;
  for (int i = 18; i < 24; ++i) {
    EXPECT_FALSE(form.Text1[i]->isVisible());
    tail << form.Text1[i]->text() + form.Text0[i]->text();
  }
  EXPECT_EQ(tail, bruinsTail) << "hidden rows keep their texts";
}

// A colour text without a key shows black on the first load and afterwards the colour its slot
// last found, even when the user recoloured that part in between.
TEST_F(TeamLoadWindow, ASlotWithoutAKeyKeepsItsLastColour) {
  const std::uint16_t noKey = 0x1234;
  ASSERT_FALSE(colours::displayColourOfKey(colourText(noKey)));
  const SyntheticRom rom = SyntheticRom().homeWord("Bruins", 0, noKey).awayWord("Bruins", 9, noKey);
  startWith(rom);

  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.SSTab1->sampleColour(0), 0u);
  EXPECT_EQ(form.SSTab1->sampleColour(19), 0u);

  pressTeam(QStringLiteral("Kings"));
  const std::uint32_t kingsSleeve = keyColour(rom.team("Kings").home[0]);
  const std::uint32_t kingsAwaySs = keyColour(rom.team("Kings").away[9]);
  form.SSTab1->setCurrentIndex(0);
  form.SSTab1->Label8_Click(0);
  form.SSTab1->Label11_Click(92);  // the user paints the home sleeves 45969F
  ASSERT_EQ(form.SSTab1->sampleColour(0), 0x45969Fu);

  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.SSTab1->sampleColour(0), kingsSleeve);
  expectGroupColour(form, Side::Home, 0, kingsSleeve);
  EXPECT_EQ(form.SSTab1->sampleColour(19), kingsAwaySs);
  EXPECT_EQ(form.homedisplaycolor[0], kingsSleeve);
}

TEST_F(TeamLoadWindow, FirstLoadSetsTheSwatchesAndASwatchClickRecoloursAwaySleeves) {
  startWith();
  EXPECT_EQ(form.SSTab1->swatch(0)->backColour(), 0x000080u) << "before any load";
  pressTeam(QStringLiteral("Bruins"));
  const std::pair<int, std::uint32_t> expected[] = {
      {0, 0x000000},   {9, 0x0030B8},  {61, 0x8E7811}, {92, 0x45969F},  {125, 0x500000}, {192, 0x8E7811},
      {217, 0x45969F}, {90, 0x000080}, {91, 0x000080}, {215, 0x000080}, {216, 0x000080}};
  for (const auto& [index, colour] : expected)
    EXPECT_EQ(form.SSTab1->swatch(index)->backColour(), colour) << index;
  for (int index : {90, 91, 215, 216}) {
    ui::UniformCell* swatch = form.SSTab1->swatch(index);
    sendMouse(swatch, QEvent::MouseMove);
    EXPECT_EQ(swatch->toolTip(), "80") << index;
  }

  const std::uint32_t homeSleeves = form.SSTab1->sampleColour(0);
  const std::uint32_t keptAwaySleeves = form.awaydisplaycolor[0];
  ui::UniformCell* swatch = form.SSTab1->swatch(200);  // 0028D0, on the current AWAY tab
  sendMouse(swatch, QEvent::MouseButtonPress);
  sendMouse(swatch, QEvent::MouseButtonRelease);
  expectGroupColour(form, Side::Away, 0, 0x0028D0);
  EXPECT_EQ(form.SSTab1->sampleColour(0), homeSleeves);
  EXPECT_EQ(form.awaydisplaycolor[0], keptAwaySleeves) << "a swatch click does not change the kept colour";
}

// Images that change or vanish between the open and the team load. Each starts from Bruins loaded
// out of a sound image, then overwrites (or removes) the file before the next button.
struct DamagedCase {
  const char* what;
  std::function<void(EditorFixture&)> damage;
  QString key;
  QStringList messageHas;  // empty: no message
  bool loads;
};

TEST_F(TeamLoadWindow, DamagedOrVanishedImages) {
  const std::vector<DamagedCase> cases = {
      {"a 29th terminator early in the name block",
       [](EditorFixture& f) { f.writeRom(SyntheticRom().nameBlockByte(3, 0x00)); },
       "Kings",
       {},
       false},
      {"the image cut short before the team's records",
       [](EditorFixture& f) { f.writeRom(SyntheticRom().truncate(0xE2000)); },
       "Kings",
       {"too short", "LOS ANGELES KINGS", "Open Rom"},
       false},
      {"the image cut inside the team-name block",
       [](EditorFixture& f) { f.writeRom(SyntheticRom().truncate(0xE1900)); },
       "Kings",
       {"too short", "LOS ANGELES KINGS"},
       false},
      {"the file deleted",
       [](EditorFixture& f) { QFile::remove(f.form.rompath); },
       "Kings",
       {"could not be opened", "LOS ANGELES KINGS", "Open Rom"},
       false},
      {"an unreadable record length",
       [](EditorFixture& f) { f.writeRom(SyntheticRom().recordLengthByte("Kings", 3, 0)); },
       "Kings",
       {"LOS ANGELES KINGS", "roster row 4", "SAVE"},
       true},
  };
  for (const DamagedCase& c : cases) {
    SCOPED_TRACE(c.what);
    startWith();
    pressTeam(QStringLiteral("Bruins"));
    const PanelSnapshot before = snapshot(form);
    const SelectedTeam team = form.selectedTeam;
    c.damage(*this);
    pressTeam(c.key);

    ASSERT_EQ(boxes.calls.size(), c.messageHas.isEmpty() ? 0u : 1u);
    for (const QString& part : c.messageHas)
      EXPECT_TRUE(boxes.calls[0].text.contains(part)) << boxes.calls[0].text.toStdString();
    if (!c.loads) {
      EXPECT_EQ(snapshot(form), before);
      SelectedTeam withNames = team;
      withNames.teamname = form.selectedTeam.teamname;
      withNames.teamnameBytes = form.selectedTeam.teamnameBytes;
      EXPECT_EQ(form.selectedTeam, withNames) << "at most the team names change";
      if (c.messageHas.isEmpty()) {
        EXPECT_EQ(form.selectedTeam.teamname[0], "MIG") << "split up to the stop";
      }
    } else {
      EXPECT_EQ(form.Label4->text(), "LOS ANGELES KINGS");
      EXPECT_FALSE(form.selectedTeam.recordsReadable);
      EXPECT_NE(form.Text1[2]->text(), "");
      for (int i = 3; i < 24; ++i) {
        EXPECT_TRUE(form.Text1[i]->isVisible());
        EXPECT_EQ(form.Text1[i]->text() + form.Text0[i]->text() + form.Text2[i]->text(), "") << i;
      }
      EXPECT_EQ(form.Text12->text(), "LAK");
    }
    boxes.calls.clear();
  }
}

TEST_F(TeamLoadWindow, NoiseWithASignatureNeverCrashes) {
  for (std::uint64_t seed : {3u, 11u}) {
    std::vector<std::uint8_t> noise = noiseImage(kRomSize, seed);
    noise[0x210] = 0xAF;
    answerOpenWith(writeRom(noise, QStringLiteral("noise.smc")));
    form.mnuOpen_Click();
    ASSERT_EQ(form.rompath, QDir(scratch.path()).filePath("noise.smc"));
    for (int number = 1; number <= ui::TeamToolbar::kButtonCount; ++number) {
      boxes.calls.clear();
      form.Toolbar1->button(number)->click();
      EXPECT_LE(boxes.calls.size(), 1u);
    }
  }
}

// Not part of the regular run: writes a sample image for looking at the editor on a display.
//   build/tests/gui_tests --gtest_also_run_disabled_tests --gtest_filter='*WriteSampleImage*'
TEST(SampleImage, DISABLED_WriteSampleImage) {
  const char* path = std::getenv("QUARVEN_SAMPLE");
  SyntheticRom().writeTo(path ? path : "/tmp/quarven-sample.smc");
}

}  // namespace
}  // namespace quarven::testing
