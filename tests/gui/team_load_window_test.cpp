// Team load through the team buttons: each field reaching its control (what the fields hold is the
// core's team load tests' business), what a load leaves from the one before, and damaged images.

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

// Bruins first: colour texts without a key show black, and the swatches take their colours. Then a
// two-letter team and an 18-player one: rows beyond the team keep their texts (a line box naming one
// shows it), and Bruins again keeps the colours of the last team in its slots without a key.
TEST_F(TeamLoadWindow, ControlsShowWhatTheImageHoldsAndKeepWhatALoadDoesNotSet) {
  const char* ducks = "Mighty Ducks";
  const SyntheticRom rom = SyntheticRom()
                               .lineSlot(ducks, 6, 4, 22)
                               .lineSlot(ducks, 6, 3, 26)
                               .homeWord("Bruins", 0, 0x1234)
                               .awayWord("Bruins", 9, 0x1234);
  startWith(rom);
  EXPECT_EQ(form.SSTab1->swatch(9)->backColour(), 0x000080u) << "before any load";
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.SSTab1->swatch(9)->backColour(), 0x0030B8u);
  // Swatches of both grids show their colour in their tooltip; the first four are not in the list.
  const std::tuple<int, std::uint32_t, QString> swatches[] = {{90, 0x000080, "80"},
                                                              {91, 0x000080, "80"},
                                                              {215, 0x000080, "80"},
                                                              {216, 0x000080, "80"},
                                                              {200, 0x0028D0, "28D0"}};
  for (const auto& [index, colour, tip] : swatches) {
    ui::UniformCell* swatch = form.SSTab1->swatch(index);
    sendMouse(swatch, QEvent::MouseMove, QPointF(2, 2));
    EXPECT_EQ(std::pair(swatch->backColour(), swatch->toolTip()), std::pair(colour, tip)) << index;
  }
  EXPECT_EQ(form.SSTab1->sampleColour(0) | form.SSTab1->sampleColour(19), 0u);
  // With no tab switched, a swatch click recolours the AWAY sleeves; the kept colours stay.
  const std::uint32_t homeSleeves = form.SSTab1->sampleColour(0);
  const std::uint32_t keptAwaySleeves = form.awaydisplaycolor[0];
  click(form.SSTab1->swatch(200));  // 0028D0
  for (int box : colours::partGroup(colours::Side::Away, 0))
    EXPECT_EQ(form.SSTab1->boxColour(box), 0x0028D0u);
  EXPECT_EQ(form.SSTab1->sampleColour(0), homeSleeves);
  EXPECT_EQ(form.awaydisplaycolor[0], keptAwaySleeves);
  for (const char* key : {"Kings", ducks}) {
    SCOPED_TRACE(key);
    const TeamRow& row = *findTeamByKey(key);
    const TeamContent& t = rom.team(row.index);
    pressTeam(QString::fromLatin1(key));
    EXPECT_TRUE(boxes.calls.empty());
    EXPECT_EQ(form.Label4->text() + "|" + form.Text10->text(), qs(row.fullName) + "|" + qs(t.blockName));
    EXPECT_EQ(form.Text12->typingLimit(), row.abbrevLength);
    EXPECT_EQ(form.Text12->text(), QString::fromLatin1(reinterpret_cast<const char*>(t.abbrev.data()), 3));
    EXPECT_TRUE(form.Command1->isVisible());
    for (int i = 0; i < ui::Form1::kPlayerRows; ++i) {
      const bool used = i < row.playerCount;
      EXPECT_EQ(form.Text1[i]->isVisible() && form.Text0[i]->isVisible(), used) << "row " << i;
      if (!used && i >= 24) continue;  // no team before had a 25th row
      const PlayerContent& p = (used ? t : rom.team("Kings")).players[std::size_t(i)];  // or kept
      EXPECT_EQ(form.Text1[i]->text() + "|" + form.Text0[i]->text() + "|" + form.Text2[i]->text(),
                qs(p.name) + "|" + hex(p.number) + "|" + hex(p.carried[0]))
          << "row " << i;
    }
    for (int line = 0; line < ui::Form1::kLines; ++line) {  // box 0 of a line is its last entry byte
      const auto lineBoxes = form.lineSlots(line);
      for (std::size_t box = 0; box < lineBoxes.size(); ++box) {
        // The Ducks' two slots pointing past the roster are followed below.
        if (std::string_view(key) == ducks && line == 6 && box < 2) continue;
        EXPECT_EQ(lineBoxes[box]->text(),
                  hex(t.players[t.lines[line][lineBoxes.size() - box - 1] - 1u].number))
            << "line " << line << ", box " << box;
      }
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
  EXPECT_EQ(form.Text9[0]->text(), form.Text0[21]->text());  // a Kings number
  EXPECT_EQ(form.Text9[1]->text(), "");                      // slot value 26: no row
  pressTeam(QStringLiteral("Bruins"));
  EXPECT_EQ(form.SSTab1->sampleColour(0), keyColour(rom.team(ducks).home[0]));
  EXPECT_EQ(form.SSTab1->sampleColour(19), keyColour(rom.team(ducks).away[9]));
}

// Bruins is loaded from a sound image, then the file is overwritten before Kings is pressed: one
// message; a load that stops leaves the window and the selected team as they were.
TEST_F(TeamLoadWindow, DamagedImages) {
  const struct {
    const char* what;
    SyntheticRom damaged;
    QString messageHas;
    bool loads;
  } cases[] = {
      {"early 29th terminator", SyntheticRom().nameBlockByte(3, 0x00), "team-name block", false},
      {"cut short", SyntheticRom().truncate(0xE2000), "again with Open Rom (Ctrl+R)", false},
      {"bad length", SyntheticRom().recordLengthByte("Kings", 3, 0), "roster row 4", true},
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
    EXPECT_TRUE(boxes.calls[0].text.contains(c.messageHas)) << boxes.calls[0].text.toStdString();
    EXPECT_EQ(boxes.calls[0].title, "QUARVEN EDITOR");
    if (!c.loads) {
      EXPECT_EQ(snapshot(form), before);
      EXPECT_EQ(form.selectedTeam, team);
    } else {
      EXPECT_EQ(form.Label4->text() + "|" + form.Text1[3]->text() + "|" + form.Text12->text(),
                "LOS ANGELES KINGS||LAK");  // rows from the unreadable one on are empty
      EXPECT_FALSE(form.selectedTeam.recordsReadable);
      for (int i = 3; i < findTeamByKey("Kings")->playerCount; ++i) {  // shown, and empty to the last row
        EXPECT_TRUE(form.Text0[i]->isVisible() && form.Text1[i]->isVisible() && form.Text2[i]->isVisible())
            << i;
        EXPECT_EQ(form.Text0[i]->text() + form.Text1[i]->text() + form.Text2[i]->text(), "") << i;
      }
    }
    boxes.calls.clear();
  }
}

}  // namespace
}  // namespace quarven::testing
