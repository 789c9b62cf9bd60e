#include "rom/team_load.h"

#include <gtest/gtest.h>

#include <tuple>

#include "case_name.h"
#include "rom/codecs.h"
#include "rom/record_walk.h"
#include "rom/rom_check.h"
#include "rom/team_table.h"
#include "synthetic_rom.h"
#include "temp_rom_file.h"

namespace quarven {
namespace {

using testing::SyntheticRom;
using Shown = std::array<std::string, 25>;

TeamLoadResult load(const SyntheticRom& builder, std::string_view key, const SelectedTeam& current = {},
                    const Shown& shown = {}) {
  MemoryRom rom = builder.memoryRom();
  return loadTeam(rom, key, current, shown);
}

class LoadOfEveryTeam : public ::testing::TestWithParam<TeamRow> {};

TEST_P(LoadOfEveryTeam, ShowsWhatTheImageHolds) {
  const SyntheticRom builder;
  const TeamRow& row = GetParam();
  const testing::TeamContent& t = builder.team(row.index);
  const TeamLoadResult r = load(builder, row.key);
  ASSERT_EQ(r.outcome, TeamLoadOutcome::Loaded);
  const SelectedTeam& s = r.state;
  EXPECT_EQ(std::tuple(s.loaded, s.recordsReadable, s.teamIndex, r.label4(), r.text12MaxLength()),
            std::tuple(true, true, row.index, std::string(row.fullName), row.abbrevLength));
  EXPECT_EQ(std::tuple(s.playercount, s.playerletterlimit, s.playeraddress, s.homecoloraddress,
                       s.awaycoloraddress, s.abbrevaddress),
            std::tuple(row.playerCount, row.recordBudget, row.firstRecord + 1, 0xB4F50u + 32 * row.index,
                       0xB4BD0u + 32 * row.index, row.abbrevOffset));
  for (int m = 0; m < 28; ++m) EXPECT_EQ(s.teamname[m], builder.team(m).blockName);
  EXPECT_EQ(s.teamname[28], std::string(12, ' '));  // filler within the 260 bytes read

  ASSERT_EQ(r.rows.size(), t.players.size());
  for (std::size_t i = 0; i < t.players.size(); ++i) {
    const auto& p = t.players[i];
    EXPECT_EQ(std::tie(r.rows[i].name, r.rows[i].number, r.rows[i].r),
              std::tuple(p.name, codec::hexText(p.number), codec::hexText(p.carried[0])));
    EXPECT_EQ(r.numberTexts[i], r.rows[i].number);
    for (int j = 0; j < 7; ++j) EXPECT_EQ(s.playerextra[j][i], p.carried[j]);
  }
  for (int e = 0; e < 7; ++e)
    for (int j = 1; j <= layout::kLineSlots[e]; ++j) {
      EXPECT_EQ(r.lineBoxes[e][layout::kLineSlots[e] - j],
                codec::hexText(t.players.at(t.lines[e][j - 1] - 1u).number));
      EXPECT_EQ(s.lineSlotBytes[e][layout::kLineSlots[e] - j], t.lines[e][j - 1]);
    }
  EXPECT_EQ(r.abbreviation, std::string(t.abbrev.begin(), t.abbrev.end()));
  for (int slot = 0; slot < 10; ++slot)
    EXPECT_EQ(std::tie(s.colourWords[slot], s.colourWords[slot + 10]),
              std::tuple(t.home[slot], t.away[slot]));
}
INSTANTIATE_TEST_SUITE_P(TeamLoad, LoadOfEveryTeam, ::testing::ValuesIn(teamTable()), testing::teamCaseName);

// Places from the team table, bytes outside the character sets, line slots outside the roster.
TEST(TeamLoad, MightyDucksPlacesAndOddBytes) {
  const char* ducks = "Mighty Ducks";
  SyntheticRom builder;
  std::vector<std::uint8_t> palette(32);  // byte i holds i: slot s shows the bytes of its palette word
  for (std::uint8_t i = 0; i < 32; ++i) palette[i] = i;
  builder.poke(0xB4F50, palette).poke(0xB4BD0 + 24, {0x00, 0x28}).teamNameBytes(ducks, {'S', 0x1A, 'T'});
  builder.playerNameBytes(ducks, 0, {0x4A, 0x1B, 0x6F}).playerNumbers(ducks, {0x00, 0x09, 0x1A});
  const std::uint8_t slots[] = {0, 26, 255, 25, 3};  // 25: beyond the 18 players, the hidden row's text
  for (int j = 1; j <= 5; ++j) builder.lineSlot(ducks, 0, j, slots[j - 1]);
  builder.lineSlot(ducks, 6, 4, 18).abbrevBytes(ducks, {'l', 0x00, 0x2E});
  Shown shown;
  shown[24] = "88";
  const TeamLoadResult r = load(builder, ducks, {}, shown);
  ASSERT_EQ(r.outcome, TeamLoadOutcome::Loaded);
  EXPECT_EQ(std::vector(r.state.colourWords.begin(), r.state.colourWords.begin() + 10),
            (std::vector<std::uint16_t>{0x0504, 0x0706, 0x0908, 0x0B0A, 0x0F0E, 0x1110, 0x1312, 0x1514,
                                        0x1716, 0x1918}));
  EXPECT_EQ(r.state.colourWords[19], 0x2800);
  EXPECT_EQ(r.text10(), "S1AT");
  EXPECT_EQ(r.rows[0].name, "J1Bo");
  EXPECT_EQ(std::tie(r.rows[0].number, r.rows[1].number, r.rows[2].number), std::tuple("0", "9", "1A"));
  EXPECT_EQ(r.lineBoxes[0], (std::array<std::string, 5>{"1A", "88", "", "", ""}));
  EXPECT_EQ(r.lineBoxes[6][0], codec::hexText(builder.team(0).players[17].number));
  EXPECT_EQ(r.abbreviation, "6C_.");
}

// A record with length byte L, then a second record whose number byte tells where the walk took it.
TEST(RecordWalk, SpanOfEachLengthByte) {
  const std::tuple<std::uint8_t, std::size_t, std::size_t, std::size_t> cases[] = {
      {1, 0, 2, 7},     {2, 0, 2, 10},    {3, 1, 3, 11},   {6, 4, 6, 14},
      {27, 25, 27, 35}, {28, 26, 28, 36}, {29, 27, 29, 37}};  // length, letters, number at, next
  for (const auto& [length, letters, numberAt, next] : cases) {
    SCOPED_TRACE(int(length));
    std::vector<std::uint8_t> area(100, 0xEE);
    area[0] = length;
    std::fill_n(area.begin() + 2, letters, 'a');
    area[numberAt] = 0x42;
    for (std::size_t j = 1; j <= 7; ++j) area[numberAt + j] = static_cast<std::uint8_t>(0x50 + j);
    area[next] = 2;
    area[next + 2] = 0x99;
    const RecordWalk walk = walkRecords(area, 2);
    ASSERT_EQ(std::tuple(walk.stop, walk.rows.size()), std::tuple(RecordWalk::Stop::None, 2u));
    EXPECT_EQ(std::tuple(walk.rows[0].name.size(), walk.rows[0].number, walk.rows[1].number),
              std::tuple(letters, 0x42, 0x99));
    // The carried bytes of a span-1 record reach into the next record.
    EXPECT_EQ(walk.rows[0].carried[6], length == 1 ? 0x99 : 0x57);
  }
}

TEST(RecordWalk, StopsAtUnusableLengthBytesAndAtTheEdgeOfTheArea) {
  for (const std::uint8_t bad : {0, 30, 31, 255}) {
    std::vector<std::uint8_t> area(100, 0);
    area[0] = 2;
    area[10] = bad;
    const RecordWalk walk = walkRecords(area, 3);
    EXPECT_EQ(std::tuple(walk.stop, walk.stoppedRow, walk.stoppedLength, walk.rows.size()),
              std::tuple(RecordWalk::Stop::BadLengthByte, 1, bad, 1u));
  }
  // Two empty-name records fill 20 bytes exactly; one byte less and the second leaves the area.
  const std::vector<std::uint8_t> exact = {2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(walkRecords(exact, 2).stop, RecordWalk::Stop::None);
  const RecordWalk cut = walkRecords(std::span(exact).first(19), 2);
  EXPECT_EQ(std::tuple(cut.stop, cut.rows.size()), std::tuple(RecordWalk::Stop::LeavesArea, 1u));
  EXPECT_EQ(walkRecords(exact, 3).stop, RecordWalk::Stop::LeavesArea);  // no room for a third length byte
  // Record offsets beyond 600 are never used, however large the area handed in.
  std::vector<std::uint8_t> wide(2000, 0);
  for (std::size_t off = 0; off + 37 < wide.size(); off += 37) wide[off] = 29;
  const RecordWalk capped = walkRecords(wide, 25);  // the 17th would start at 592 and end at 628
  EXPECT_EQ(std::tuple(capped.stop, capped.rows.size()), std::tuple(RecordWalk::Stop::LeavesArea, 16u));
}

TEST(TeamLoad, UnreadableRecordShowsTheRowsBeforeItAndTellsWhichRow) {
  SyntheticRom builder;
  builder.recordLengthByte("Bruins", 3, 0);
  for (int e = 0; e < 7; ++e) builder.lineSlot("Bruins", e, 1, 5);  // a row that is not read
  builder.lineSlot("Bruins", 0, 2, 1);
  Shown shown;
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
  EXPECT_EQ(r.rows[2].name, builder.team("Bruins").players[2].name);
  // The team's rows that were not read are emptied; rows beyond its player count keep their texts.
  EXPECT_EQ(std::tie(r.numberTexts[3], r.numberTexts[23], r.numberTexts[24]), std::tuple("", "", "77"));
  EXPECT_EQ(r.lineBoxes[0][4], "");
  EXPECT_EQ(r.lineBoxes[0][3], codec::hexText(builder.team("Bruins").players[0].number));
  EXPECT_EQ(r.abbreviation, "BOS");  // the rest of the team still loads
}

// A 29th terminator stops the load, leaving the state as it was, unless it is the last byte read;
// so does a block of fewer than 28 names.
TEST(TeamLoad, TeamNameSplitStopsAtA29thTerminatorAndChangesNothing) {
  SelectedTeam before = load(SyntheticRom(), "Jets").state;
  before.teamname[28] = "old";
  const TeamLoadResult stopped = load(SyntheticRom().nameBlockByte(258, 0x00), "Bruins", before);
  EXPECT_EQ(stopped.outcome, TeamLoadOutcome::StoppedByTerminator);
  EXPECT_EQ(stopped.message,
            "The team-name block of the ROM image is damaged: it holds more than 28 team names (a 29th name "
            "ends at file offset 0xE1983), so BOSTON BRUINS was not loaded.");
  EXPECT_EQ(stopped.state, before);

  const TeamLoadResult last = load(SyntheticRom().nameBlockByte(259, 0x00), "Bruins", before);
  EXPECT_EQ(last.outcome, TeamLoadOutcome::Loaded);
  EXPECT_EQ(last.state.teamname[28], std::string(11, ' '));

  // Fewer than 28 names: the 28th terminator (after 220 letters and 27 terminators) made a letter,
  // or two terminators made blanks; the 261st byte, which the split does not read, may end the 28th.
  const std::tuple<SyntheticRom, const char*> shortBlocks[] = {
      {SyntheticRom().nameBlockByte(247, 'X'), "27"},
      {SyntheticRom().nameBlockByte(12, ' ').nameBlockByte(19, ' '), "26"},  // after DUCKS, BRUINS
      {SyntheticRom().nameBlockByte(247, 'X').poke(0xE1881 + 260, {0}), nullptr},
  };
  for (const auto& [image, count] : shortBlocks) {
    const TeamLoadResult r = load(image, "Jets", before);
    if (!count) {
      EXPECT_EQ(r.outcome, TeamLoadOutcome::Loaded);
      continue;
    }
    EXPECT_EQ(r.outcome, TeamLoadOutcome::StoppedByTerminator) << count;
    EXPECT_EQ(r.message, "The team-name block of the ROM image is damaged: it holds only " +
                             std::string(count) +
                             " team names where there must be 28, so WINNIPEG JETS was not loaded.");
    EXPECT_EQ(r.state, before);
  }
}

TEST(TeamLoad, TruncatedImagesFailWithAMessageAndChangeNothing) {
  const SyntheticRom builder;
  const std::vector<std::uint8_t> full = builder.bytes();
  const SelectedTeam before = load(builder, "Oilers").state;
  const std::size_t ducksNeeds = findTeamByKey("Mighty Ducks")->abbrevOffset + 3;  // its farthest place
  for (const std::size_t cut :
       {529ul, 0xB4F60ul, 0xE1984ul, 0xE1985ul, 0xE4000ul, ducksNeeds - 1, ducksNeeds}) {
    MemoryRom rom(std::vector<std::uint8_t>(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut)));
    for (const TeamRow& row : teamTable()) {
      SCOPED_TRACE(std::to_string(cut) + " " + std::string(row.key));
      const TeamLoadResult r = loadTeam(rom, row.key, before);
      if (cut >= std::max<std::size_t>(row.abbrevOffset + 3, 0xE1881 + 260)) {
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

TEST(TeamLoad, FromAFile) {
  const SyntheticRom builder;
  const testing::TempRomFile file(builder);
  FileRomOpener opener(file.pathText());
  const TeamLoadResult fromFile = loadTeam(opener, "Canucks", {}), fromMemory = load(builder, "Canucks");
  EXPECT_EQ(std::tie(fromFile.state, fromFile.lineBoxes), std::tie(fromMemory.state, fromMemory.lineBoxes));
  EXPECT_EQ(file.contents(), builder.bytes());  // nothing written
  EXPECT_EQ(loadTeam(opener, "canucks", {}).message, "There is no team \"canucks\".");
}

TEST(SignatureCheck, OnlyTheByteAt0x210Counts) {
  // Image size, the byte at 0x210, the text shown, whether the image is taken.
  const std::tuple<std::size_t, std::uint8_t, const char*, bool> cases[] = {
      {528, 0xAF, "0", false},      {529, 0xAF, "AF", true}, {0x100000, 0xAE, "AE", false},
      {0x100000, 0x0A, "A", false}, {0, 0, "0", false},
  };
  for (const auto& [size, value, hex, accepted] : cases) {
    std::vector<std::uint8_t> image = testing::noiseImage(std::max<std::size_t>(size, 0x211), 7);
    image[0x210] = value;
    image.resize(size);
    MemoryRom rom(image);
    const SignatureCheck check = checkSignature(rom);
    EXPECT_EQ(std::tuple(check.hexText, check.accepted, check.byte, check.readFailed),
              std::tuple(std::string(hex), accepted, size > 0x210 ? value : 0, false))
        << size;
  }
  // Long enough, yet the byte cannot be read: a read failure, not an image without the signature.
  struct Unreadable : MemoryRom {
    using MemoryRom::MemoryRom;
    bool read(std::uint32_t, std::span<std::uint8_t>) override { return false; }
  } unreadable(std::vector<std::uint8_t>(0x211, 0xAF));
  const SignatureCheck check = checkSignature(unreadable);
  EXPECT_EQ(std::tuple(check.accepted, check.readFailed), std::tuple(false, true));
}

}  // namespace
}  // namespace quarven
