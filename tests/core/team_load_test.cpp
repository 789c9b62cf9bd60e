#include "rom/team_load.h"

#include <gtest/gtest.h>

#include "rom/codecs.h"
#include "rom/record_walk.h"
#include "rom/rom_check.h"
#include "rom/team_table.h"
#include "synthetic_rom.h"
#include "temp_rom_file.h"

namespace quarven {
namespace {

using testing::SyntheticRom;
using testing::TeamContent;

TeamLoadResult load(const SyntheticRom& builder, std::string_view key, const SelectedTeam& current = {},
                    const std::array<std::string, 25>& shown = {}) {
  MemoryRom rom = builder.memoryRom();
  return loadTeam(rom, key, current, shown);
}

TEST(TeamLoad, EveryTeamLoadsWhatTheImageHolds) {
  const SyntheticRom builder;
  for (const TeamRow& row : teamTable()) {
    SCOPED_TRACE(row.key);
    const TeamContent& t = builder.team(row.index);
    const TeamLoadResult r = load(builder, row.key);
    ASSERT_EQ(r.outcome, TeamLoadOutcome::Loaded);
    const SelectedTeam& s = r.state;
    EXPECT_TRUE(s.loaded && s.recordsReadable);
    EXPECT_EQ(s.teamIndex, row.index);
    EXPECT_EQ(r.label4(), row.fullName);
    EXPECT_EQ(r.text12MaxLength(), row.abbrevLength);
    EXPECT_EQ(s.playercount, row.playerCount);
    EXPECT_EQ(s.playerletterlimit, row.recordBudget);
    EXPECT_EQ(s.playeraddress, row.firstRecord + 1);
    EXPECT_EQ(s.abbrevaddress, row.abbrevOffset);
    EXPECT_EQ(s.homecoloraddress, 0xB4F50u + 32 * row.index);
    EXPECT_EQ(s.awaycoloraddress, 0xB4BD0u + 32 * row.index);
    for (int m = 0; m < 28; ++m) EXPECT_EQ(s.teamname[m], builder.team(m).blockName);
    EXPECT_EQ(s.teamname[28], std::string(12, ' '));  // filler within the 260 bytes read
    EXPECT_EQ(r.text10(), t.blockName);

    ASSERT_EQ(r.rows.size(), t.players.size());
    for (std::size_t i = 0; i < t.players.size(); ++i) {
      const auto& p = t.players[i];
      EXPECT_EQ(r.rows[i].name, p.name);
      EXPECT_EQ(r.numberTexts[i], codec::hexText(p.number));
      EXPECT_EQ(r.rows[i].number, r.numberTexts[i]);
      EXPECT_EQ(r.rows[i].r, codec::hexText(p.carried[0]));
      for (int j = 0; j < 7; ++j) EXPECT_EQ(s.playerextra[j][i], p.carried[j]);
    }
    for (int e = 0; e < 7; ++e)
      for (int j = 1; j <= layout::kLineSlots[e]; ++j)
        EXPECT_EQ(r.lineBoxes[e][layout::kLineSlots[e] - j],
                  codec::hexText(t.players.at(t.lines[e][j - 1] - 1u).number));

    EXPECT_EQ(r.abbreviation, std::string(t.abbrev.begin(), t.abbrev.end()));
    for (int slot = 0; slot < 10; ++slot) {
      EXPECT_EQ(r.homecolortext[slot], testing::colourText(t.home[slot]));
      EXPECT_EQ(r.awaycolortext[slot], testing::colourText(t.away[slot]));
    }
  }
}

// Places from the team table, bytes outside the character sets, line slots outside the roster.
TEST(TeamLoad, MightyDucksPlacesAndOddBytes) {
  SyntheticRom builder;
  builder.homeWord("Mighty Ducks", 0, 0x7080)
      .awayWord("Mighty Ducks", 9, 0x2800)
      .teamNameBytes("Mighty Ducks", {'S', 0x1A, 'T'})
      .playerNameBytes("Mighty Ducks", 0, {0x4A, 0x1B, 0x6F})
      .playerNumbers("Mighty Ducks", {0x00, 0x09, 0x1A})
      .lineSlot("Mighty Ducks", 0, 1, 0)
      .lineSlot("Mighty Ducks", 0, 2, 26)
      .lineSlot("Mighty Ducks", 0, 3, 255)
      .lineSlot("Mighty Ducks", 0, 4, 25)  // beyond the 18 players: the hidden row's text
      .lineSlot("Mighty Ducks", 0, 5, 3)
      .lineSlot("Mighty Ducks", 6, 4, 18)
      .abbrevBytes("Mighty Ducks", {'l', 0x00, 0x2E});
  std::array<std::string, 25> shown;
  shown[24] = "88";
  const TeamLoadResult r = load(builder, "Mighty Ducks", {}, shown);
  ASSERT_EQ(r.outcome, TeamLoadOutcome::Loaded);
  EXPECT_EQ(r.state.playercount, 18);
  EXPECT_EQ(r.state.playerletterlimit, 390);
  EXPECT_EQ(r.state.playeraddress, 945573u);
  EXPECT_EQ(r.state.homecoloraddress, 741200u);
  EXPECT_EQ(r.state.awaycoloraddress, 740304u);
  EXPECT_EQ(r.state.abbrevaddress, 945975u);
  EXPECT_EQ(r.label4(), "MIGHTY DUCKS OF ANAHEIM");
  EXPECT_EQ(r.homecolortext[0], "8070");
  EXPECT_EQ(r.awaycolortext[9], "028");
  EXPECT_EQ(r.text10(), "S1AT");
  EXPECT_EQ(r.state.teamnameBytes[0], (std::vector<std::uint8_t>{'S', 0x1A, 'T'}));
  EXPECT_EQ(r.rows[0].name, "J1Bo");
  EXPECT_EQ((std::array{r.rows[0].number, r.rows[1].number, r.rows[2].number}),
            (std::array<std::string, 3>{"0", "9", "1A"}));
  EXPECT_EQ(r.lineBoxes[0], (std::array<std::string, 5>{"1A", "88", "", "", ""}));
  EXPECT_EQ(r.lineBoxes[6][0], codec::hexText(builder.team(0).players[17].number));
  EXPECT_EQ(r.abbreviation, "6C_.");
  // A two-letter team still shows all three bytes of its field.
  const TeamLoadResult kings = load(builder, "Kings");
  EXPECT_EQ(kings.text12MaxLength(), 2);
  EXPECT_EQ(kings.abbreviation, "LAK");
}

// Record walks over hand-made record areas: a record with length byte L, then a second record
// whose number byte tells where the walk took it to start.
TEST(RecordWalk, SpanOfEachLengthByte) {
  struct Case {
    std::uint8_t length;
    std::size_t letters;
    std::size_t numberAt;
    std::size_t next;
  };
  const Case cases[] = {{1, 0, 2, 7},     {2, 0, 2, 10},    {3, 1, 3, 11},   {6, 4, 6, 14},
                        {27, 25, 27, 35}, {28, 26, 28, 36}, {29, 27, 29, 37}};
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.length));
    std::vector<std::uint8_t> area(100, 0xEE);
    area[0] = c.length;
    for (std::size_t i = 0; i < c.letters; ++i) area[2 + i] = static_cast<std::uint8_t>('a' + i % 26);
    area[c.numberAt] = 0x42;
    for (std::size_t j = 1; j <= 7; ++j) area[c.numberAt + j] = static_cast<std::uint8_t>(0x50 + j);
    area[c.next] = 2;
    area[c.next + 2] = 0x99;
    const RecordWalk walk = walkRecords(area, 2);
    ASSERT_EQ(walk.stop, RecordWalk::Stop::None);
    ASSERT_EQ(walk.rows.size(), 2u);
    EXPECT_EQ(walk.rows[0].name.size(), c.letters);
    EXPECT_EQ(walk.rows[0].number, 0x42);
    // The carried bytes of a span-1 record reach into the next record.
    EXPECT_EQ(walk.rows[0].carried[6], c.length == 1 ? 0x99 : 0x57);
    EXPECT_EQ(walk.rows[1].number, 0x99);
    EXPECT_TRUE(walk.rows[1].name.empty());
  }
}

TEST(RecordWalk, StopsAtUnusableLengthBytesAndAtTheEdgeOfTheArea) {
  for (const std::uint8_t bad : {0, 30, 31, 255}) {
    std::vector<std::uint8_t> area(100, 0);
    area[0] = 2;
    area[10] = bad;
    const RecordWalk walk = walkRecords(area, 3);
    EXPECT_EQ(walk.stop, RecordWalk::Stop::BadLengthByte);
    EXPECT_EQ(walk.stoppedRow, 1);
    EXPECT_EQ(walk.stoppedLength, bad);
    EXPECT_EQ(walk.rows.size(), 1u);
  }
  // Two empty-name records fill 20 bytes exactly; one byte less and the second leaves the area.
  const std::vector<std::uint8_t> exact = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(walkRecords(exact, 2).stop, RecordWalk::Stop::None);
  const RecordWalk cut = walkRecords(std::span(exact).first(19), 2);
  EXPECT_EQ(cut.stop, RecordWalk::Stop::LeavesArea);
  EXPECT_EQ(cut.rows.size(), 1u);
  EXPECT_EQ(walkRecords(exact, 3).stop, RecordWalk::Stop::LeavesArea);  // no room for a third length byte
  // Record offsets beyond 600 are never used, however large the area handed in.
  std::vector<std::uint8_t> wide(2000, 0);
  for (std::size_t off = 0; off + 37 < wide.size(); off += 37) wide[off] = 29;
  const RecordWalk capped = walkRecords(wide, 25);
  EXPECT_EQ(capped.stop, RecordWalk::Stop::LeavesArea);
  EXPECT_EQ(capped.rows.size(), 16u);  // the 17th would start at 592 and end at 628
}

TEST(TeamLoad, UnreadableRecordShowsTheRowsBeforeItAndTellsWhichRow) {
  SyntheticRom builder;
  builder.recordLengthByte("Bruins", 3, 0);
  const TeamContent& bruins = builder.team("Bruins");
  for (int e = 0; e < 7; ++e) builder.lineSlot("Bruins", e, 1, 5);  // a row that is not read
  builder.lineSlot("Bruins", 0, 2, 1);
  std::array<std::string, 25> shown;
  shown.fill("x");
  shown[24] = "77";
  const TeamLoadResult r = load(builder, "Bruins", {}, shown);
  ASSERT_EQ(r.outcome, TeamLoadOutcome::LoadedRecordsUnreadable);
  EXPECT_EQ(
      r.message,
      "The player records of BOSTON BRUINS cannot be read: the record of roster row 4 has the length "
      "byte 0, which is no record length. The rows before it are shown; SAVE will not write this team.");
  EXPECT_FALSE(r.state.recordsReadable);
  ASSERT_EQ(r.rows.size(), 3u);
  EXPECT_EQ(r.rows[2].name, bruins.players[2].name);
  EXPECT_EQ(r.numberTexts[3], "");     // the team's rows that were not read are emptied ...
  EXPECT_EQ(r.numberTexts[24], "77");  // ... rows beyond its player count keep their texts
  EXPECT_EQ(r.lineBoxes[0][4], "");
  EXPECT_EQ(r.lineBoxes[0][3], codec::hexText(bruins.players[0].number));
  EXPECT_EQ(r.abbreviation, "BOS");  // the rest of the team still loads
}

TEST(TeamLoad, TwentyNinthTerminatorStopsTheLoadUnlessItIsTheLastByteRead) {
  SelectedTeam before = load(SyntheticRom(), "Jets").state;
  before.teamname[28] = "old";

  SyntheticRom early;
  early.nameBlockByte(258, 0x00);
  const TeamLoadResult stopped = load(early, "Bruins", before);
  EXPECT_EQ(stopped.outcome, TeamLoadOutcome::StoppedByTerminator);
  EXPECT_TRUE(stopped.message.empty());
  EXPECT_EQ(stopped.state.teamname[28], std::string(10, ' '));
  SelectedTeam expected = before;
  expected.teamname = stopped.state.teamname;
  expected.teamnameBytes = stopped.state.teamnameBytes;
  EXPECT_EQ(stopped.state, expected);  // only the names changed

  SyntheticRom last;
  last.nameBlockByte(259, 0x00);
  const TeamLoadResult loaded = load(last, "Bruins", before);
  EXPECT_EQ(loaded.outcome, TeamLoadOutcome::Loaded);
  EXPECT_EQ(loaded.state.teamname[28], std::string(11, ' '));
}

TEST(TeamLoad, NamesTheSplitDoesNotReachKeepTheirEarlierValues) {
  SelectedTeam before;
  before.teamname[27] = "KEPT";
  before.teamname[28] = "ALSO KEPT";
  // The 28th terminator follows 220 letters and 27 terminators: 27 are left.
  const TeamLoadResult r = load(SyntheticRom().nameBlockByte(247, 'X'), "Jets", before);
  ASSERT_EQ(r.outcome, TeamLoadOutcome::Loaded);
  EXPECT_EQ(r.state.teamname[26], "ALL STARS EAST");
  EXPECT_EQ(r.state.teamname[27], "ALL STARS WESTX" + std::string(12, ' '));
  EXPECT_EQ(r.state.teamname[28], "ALSO KEPT");
}

// Every truncation loads the team or fails cleanly: never a partial state.
TEST(TeamLoad, TruncatedImagesFailWithAMessageAndChangeNothing) {
  const SyntheticRom builder;
  const std::vector<std::uint8_t> full = builder.bytes();
  const SelectedTeam before = load(builder, "Oilers").state;
  const TeamRow& ducks = *findTeamByKey("Mighty Ducks");
  const std::size_t ducksNeeds = ducks.abbrevOffset + 3;  // the farthest place of this team
  const std::size_t cuts[] = {529, 0xB4F60, 0xE1984, 0xE1985, 0xE4000, ducksNeeds - 1, ducksNeeds};
  for (const std::size_t cut : cuts) {
    MemoryRom rom(std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)));
    for (const TeamRow& row : teamTable()) {
      SCOPED_TRACE(std::to_string(cut) + " " + std::string(row.key));
      const TeamLoadResult r = loadTeam(rom, row.key, before);
      const bool fits = cut >= std::max<std::size_t>(row.abbrevOffset + 3, 0xE1881 + 260);
      if (fits) {
        EXPECT_EQ(r.outcome, TeamLoadOutcome::Loaded);
        continue;
      }
      EXPECT_EQ(r.outcome, TeamLoadOutcome::Failed);
      EXPECT_EQ(r.message, "The ROM image is too short to hold this team's data, so " +
                               std::string(row.fullName) + " was not loaded.");
      EXPECT_EQ(r.state, before);
    }
  }
}

class FailingOpener : public RomOpener {
 public:
  std::unique_ptr<RomImage> open(FileRom::Mode, std::string* error) override {
    *error = "No such file or directory";
    return nullptr;
  }
};

TEST(TeamLoad, FromAFileAndFromAnImageThatCannotBeOpened) {
  const SyntheticRom builder;
  const testing::TempRomFile file(builder);
  FileRomOpener opener(file.pathText());
  const TeamLoadResult fromFile = loadTeam(opener, "Canucks", {});
  const TeamLoadResult fromMemory = load(builder, "Canucks");
  EXPECT_EQ(fromFile.outcome, TeamLoadOutcome::Loaded);
  EXPECT_EQ(fromFile.state, fromMemory.state);
  EXPECT_EQ(fromFile.lineBoxes, fromMemory.lineBoxes);
  EXPECT_EQ(file.contents(), builder.bytes());  // nothing written

  SelectedTeam before;
  before.teamname[0] = "KEEP";
  FailingOpener failing;
  const TeamLoadResult failed = loadTeam(failing, "Canucks", before);
  EXPECT_EQ(failed.outcome, TeamLoadOutcome::Failed);
  EXPECT_EQ(
      failed.message,
      "The ROM image could not be opened (No such file or directory), so VANCOUVER CANUCKS was not loaded.");
  EXPECT_EQ(failed.state, before);
  EXPECT_EQ(loadTeam(failing, "canucks", before).message, "There is no team \"canucks\".");
}

TEST(SignatureCheck, OnlyTheByteAt0x210Counts) {
  struct Case {
    std::size_t size;
    std::uint8_t value;
    const char* hex;
    bool accepted;
  };
  const Case cases[] = {{528, 0xAF, "0", false},
                        {529, 0xAF, "AF", true},
                        {0x100000, 0xAE, "AE", false},
                        {0x100000, 0x0A, "A", false},
                        {0, 0, "0", false}};
  for (const Case& c : cases) {
    std::vector<std::uint8_t> image = testing::noiseImage(std::max<std::size_t>(c.size, 0x211), 7);
    image[0x210] = c.value;
    image.resize(c.size);
    MemoryRom rom(image);
    const SignatureCheck check = checkSignature(rom);
    EXPECT_EQ(check.hexText, c.hex) << c.size;
    EXPECT_EQ(check.accepted, c.accepted) << c.size;
    EXPECT_EQ(check.byte, c.size > 0x210 ? c.value : 0);
  }
  MemoryRom synthetic = SyntheticRom().signature(0xAF).memoryRom();
  EXPECT_TRUE(checkSignature(synthetic).accepted);
}

}  // namespace
}  // namespace quarven
