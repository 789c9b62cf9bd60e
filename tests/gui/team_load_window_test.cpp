// Team load through the team buttons: what the window shows, the colours of both uniforms and of the
// swatch grid, and damaged or vanished images.

#include "colours/colour_key_table.h"
#include "colours/uniform_figure_data.h"
#include "editor_fixture.h"
#include "key_input.h"
#include "rom/team_table.h"
#include "ui/uniform_cell.h"

namespace quarven::testing {
namespace {

const auto hex = [](std::uint8_t byte) { return QString::number(byte, 16).toUpper(); };
const auto qs = [](std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); };
const auto keyColour = [](std::uint16_t word) {
  return colours::displayColourOfKey(colourText(word)).value();
};

using TeamLoadWindow = EditorFixture;

// Each field of the load reaches its control (a full team and a two-letter one).
TEST_F(TeamLoadWindow, ControlsShowWhatTheImageHolds) {
  const SyntheticRom rom;
  startWith(rom);
  for (const char* key : {"Bruins", "Kings"}) {
    SCOPED_TRACE(key);
    const TeamRow& row = *findTeamByKey(key);
    const TeamContent& t = rom.team(row.index);
    pressTeam(QString::fromLatin1(key));
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(form.Label4->text() + "|" + form.Text10->text(), qs(row.fullName) + "|" + qs(t.blockName));
    EXPECT_EQ(form.Text12->typingLimit(), row.abbrevLength);
    EXPECT_EQ(form.Text12->text(), QString::fromLatin1(reinterpret_cast<const char*>(t.abbrev.data()), 3));
    EXPECT_EQ(std::tuple(form.SSTab1->isVisible(), form.Command1->isVisible(), form.Text9[3]->isVisible()),
              std::tuple(true, true, true));
    for (int i = 0; i < ui::Form1::kPlayerRows; ++i) {
      const bool used = i < row.playerCount;
      EXPECT_EQ(form.Text1[i]->isVisible() && form.Text0[i]->isVisible(), used) << "row " << i;
      if (!used) continue;
      const PlayerContent& p = t.players[std::size_t(i)];
      EXPECT_EQ(form.Text1[i]->text() + "|" + form.Text0[i]->text() + "|" + form.Text2[i]->text(),
                qs(p.name) + "|" + hex(p.number) + "|" + hex(p.carried[0]));
    }
    for (int line = 0; line < ui::Form1::kLines; ++line) {  // box 0 of a line is its last entry byte
      const auto lineBoxes = form.lineSlots(line);
      for (std::size_t box = 0; box < lineBoxes.size(); ++box)
        EXPECT_EQ(lineBoxes[box]->text(),
                  hex(t.players[t.lines[line][lineBoxes.size() - box - 1] - 1u].number));
    }
    for (int slot = 0; slot < 20; ++slot)
      EXPECT_EQ(form.SSTab1->sampleColour(slot), keyColour(slot < 10 ? t.home[slot] : t.away[slot - 10]))
          << slot;
    form.grab();  // the boxes lay their texts out as shown; long names show from their first letter
    for (ui::TextBox* box : form.findChildren<ui::TextBox*>()) {
      if (!box->isVisible() || !box->alignment().testFlag(Qt::AlignLeft)) continue;
      EXPECT_EQ(box->cursorPositionAt(QPoint(0, box->height() / 2)), 0) << box->text().toStdString();
    }
  }
}

// What a load does not set stays from the load before: rows beyond the team keep their texts (a line
// box naming one shows it), and a colour text without a key keeps its slot's colour (black at first).
TEST_F(TeamLoadWindow, WhatALoadDoesNotSetStaysFromTheLoadBefore) {
  const SyntheticRom rom = SyntheticRom()
                               .lineSlot("Mighty Ducks", 6, 4, 22)
                               .lineSlot("Mighty Ducks", 6, 3, 26)
                               .homeWord("Bruins", 0, 0x1234)
                               .awayWord("Bruins", 9, 0x1234);
  startWith(rom);
  const auto tail = [&] {
    QStringList texts;
    for (int i = 18; i < 24; ++i) texts << form.Text1[i]->text() + form.Text0[i]->text();
    return texts;
  };
  pressTeam(QStringLiteral("Bruins"));  // 24 rows
  EXPECT_EQ(form.SSTab1->sampleColour(0) | form.SSTab1->sampleColour(19), 0u);
  const QStringList bruinsTail = tail();
  pressTeam(QStringLiteral("Mighty Ducks"));  // 18 rows
  EXPECT_EQ(form.Text9[0]->text(), form.Text0[21]->text());
  EXPECT_EQ(form.Text9[1]->text(), "");  // slot value 26: no row
  EXPECT_EQ(tail(), bruinsTail);
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.SSTab1->sampleColour(0), keyColour(rom.team("Mighty Ducks").home[0]));
  EXPECT_EQ(form.SSTab1->sampleColour(19), keyColour(rom.team("Mighty Ducks").away[9]));
}

TEST_F(TeamLoadWindow, FirstLoadSetsTheSwatchesAndASwatchClickRecoloursAwaySleeves) {
  startWith();
  EXPECT_EQ(form.SSTab1->swatch(9)->backColour(), 0x000080u) << "before any load";
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.SSTab1->swatch(9)->backColour(), 0x0030B8u);
  for (int index : {90, 91, 215, 216}) {  // no colour in the list: navy, and the tooltip says so
    ui::UniformCell* swatch = form.SSTab1->swatch(index);
    EXPECT_EQ(swatch->backColour(), 0x000080u) << index;
    sendMouse(swatch, QEvent::MouseMove, QPointF(2, 2));
    EXPECT_EQ(swatch->toolTip(), "80") << index;
  }
  const std::uint32_t homeSleeves = form.SSTab1->sampleColour(0);
  const std::uint32_t keptAwaySleeves = form.awaydisplaycolor[0];
  click(form.SSTab1->swatch(200));  // 0028D0, on the current AWAY tab
  for (int box : colours::partGroup(colours::Side::Away, 0))
    EXPECT_EQ(form.SSTab1->boxColour(box), 0x0028D0u);
  EXPECT_EQ(form.SSTab1->sampleColour(0), homeSleeves);
  EXPECT_EQ(form.awaydisplaycolor[0], keptAwaySleeves) << "a swatch click does not change the kept colour";
}

// Bruins is loaded from a sound image, then the file is overwritten before Kings is pressed.
TEST_F(TeamLoadWindow, DamagedImages) {
  const struct {
    const char* what;
    SyntheticRom damaged;
    QStringList messageHas;
    bool loads;
  } cases[] = {
      {"early 29th terminator",
       SyntheticRom().nameBlockByte(3, 0x00),
       {"team-name block", "damaged", "KINGS"},
       false},
      {"cut short", SyntheticRom().truncate(0xE2000), {"too short", "LOS ANGELES KINGS", "Open Rom"}, false},
      {"bad length", SyntheticRom().recordLengthByte("Kings", 3, 0), {"KINGS", "roster row 4", "SAVE"}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    startWith();
    pressTeam(QStringLiteral("Bruins"));
    const PanelSnapshot before = snapshot(form);
    const SelectedTeam team = form.selectedTeam;
    writeRom(c.damaged);
    pressTeam(QStringLiteral("Kings"));

    ASSERT_EQ(boxes.calls.size(), 1u);
    for (const QString& part : c.messageHas)
      EXPECT_TRUE(boxes.calls[0].text.contains(part)) << part.toStdString();
    EXPECT_EQ(boxes.calls[0].title, "QUARVEN EDITOR");
    if (!c.loads) {
      EXPECT_EQ(snapshot(form), before);
      EXPECT_EQ(form.selectedTeam, team);
    } else {
      EXPECT_EQ(form.Label4->text() + "|" + form.Text12->text(), "LOS ANGELES KINGS|LAK");
      EXPECT_FALSE(form.selectedTeam.recordsReadable);
      EXPECT_NE(form.Text1[2]->text(), "");
      for (int i = 3; i < 24; ++i) {
        EXPECT_TRUE(form.Text1[i]->isVisible());
        EXPECT_EQ(form.Text1[i]->text() + form.Text0[i]->text() + form.Text2[i]->text(), "") << i;
      }
    }
    boxes.calls.clear();
  }
}

}  // namespace
}  // namespace quarven::testing
