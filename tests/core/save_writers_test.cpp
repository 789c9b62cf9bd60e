#include <gtest/gtest.h>

#include <vector>

#include "rom/rom_layout.h"
#include "save/abbreviation_writer.h"
#include "save/line_table_writer.h"
#include "save/palette_writer.h"
#include "save/player_record_writer.h"
#include "save/team_name_writer.h"

namespace quarven::save {
namespace {

using Bytes = std::vector<std::uint8_t>;

MemoryRom blankRom(std::uint8_t fill = 0xEE) {
  return MemoryRom(Bytes(0x100000, fill));
}

CarriedBytes carriedFor(int rows) {
  CarriedBytes extra{};
  for (int j = 0; j < layout::kCarriedBytes; ++j)
    for (int r = 0; r < rows; ++r) extra[j][r] = static_cast<std::uint8_t>(0x10 * (j + 1) + r);
  return extra;
}

PlayerEntry player(std::string_view name, std::uint8_t number) {
  return {Bytes(name.begin(), name.end()), number};
}

TEST(PlayerRecordWriter, RecordFieldsAndEndMarker) {
  const CarriedBytes extra = carriedFor(2);
  const Bytes block = playerRecordBlock({player("", 0x07), player("Al", 0x99)}, extra);
  const Bytes expected = {0x02, 0x00, 0x07, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70,  // empty name
                          0x04, 0x00, 'A',  'l',  0x99, 0x11, 0x21, 0x31, 0x41, 0x51, 0x61, 0x71, 0x02, 0x00};
  EXPECT_EQ(block, expected);
}

TEST(PlayerRecordWriter, LongestNamesGiveLengthWordsUpTo29) {
  for (auto [letters, lengthByte] : {std::pair{25, 0x1B}, std::pair{26, 0x1C}, std::pair{27, 0x1D}}) {
    const Bytes block = playerRecordBlock({player(std::string(letters, 'x'), 0x12)}, carriedFor(1));
    ASSERT_EQ(block.size(), static_cast<std::size_t>(letters + 10 + 2));
    EXPECT_EQ(block[0], lengthByte);
    EXPECT_EQ(block[1], 0x00);
    EXPECT_EQ(block[2 + letters], 0x12);
  }
}

TEST(PlayerRecordWriter, WritesOnlyTheBlockFromTheFirstRecord) {
  MemoryRom rom = blankRom();
  const std::uint32_t f = 0xE6DA4;
  const std::vector<PlayerEntry> players = {player("Abc", 0x01), player("De", 0x02)};
  ASSERT_TRUE(saveplayernames(rom, f, players, carriedFor(2)));
  // p rows holding T letters: records fill F .. F + T + 10p - 1, the marker follows.
  EXPECT_EQ(playerRecordBytes(players), 5 + 20);
  EXPECT_EQ(rom.bytes()[f + 25], 0x02);
  EXPECT_EQ(rom.bytes()[f + 26], 0x00);
  EXPECT_EQ(rom.bytes()[f + 27], 0xEE);
  EXPECT_EQ(rom.bytes()[f - 1], 0xEE);
}

TEST(LineTableWriter, BoxesLandOnTheirEntryBytes) {
  MemoryRom rom = blankRom();
  const std::uint32_t f = 0xE6DA4;
  LineSlotValues slots{};
  for (int line = 0; line < layout::kLineCount; ++line)
    for (int box = 0; box < kMaxLineBoxes; ++box)
      slots[line][box] = static_cast<std::uint8_t>(10 * line + box + 1);
  ASSERT_TRUE(savelinechanges(rom, f, slots));
  EXPECT_EQ(rom.bytes()[f - 51], 1);   // SCORING 1, RW (box 0)
  EXPECT_EQ(rom.bytes()[f - 55], 5);   // SCORING 1, LD (box 4)
  EXPECT_EQ(rom.bytes()[f - 19], 41);  // POW. PLAY 2, RW
  EXPECT_EQ(rom.bytes()[f - 12], 51);  // PEN. KILL 1, C
  EXPECT_EQ(rom.bytes()[f - 4], 61);   // PEN. KILL 2, C (box 0)
  EXPECT_EQ(rom.bytes()[f - 7], 64);   // PEN. KILL 2, LD (box 3)
  // Entry bytes 0, 6, 7 and byte 5 of the penalty-kill entries, and the unused box 4 there, stay.
  int changed = 0;
  for (std::uint32_t off = f - 56; off < f; ++off) changed += rom.bytes()[off] != 0xEE;
  EXPECT_EQ(changed, 33);
  for (std::uint32_t off : {f - 56, f - 50, f - 49, f - 11, f - 3, f - 2, f - 1})
    EXPECT_EQ(rom.bytes()[off], 0xEE);
}

TEST(AbbreviationWriter, WritesOnlyTheLettersGiven) {
  struct Case {
    Bytes letters;
    Bytes field;
  };
  const std::vector<Case> cases = {
      {{'X', 'Y', 'Z'}, {'X', 'Y', 'Z'}},
      {{'A', 'B'}, {'A', 'B', 'C'}},  // typed over ABC: the third byte stays
      {{'A', 0x00}, {'A', 0x00, 'C'}},
      {{}, {'A', 'B', 'C'}},
  };
  for (const Case& c : cases) {
    MemoryRom rom = blankRom();
    const std::uint32_t b = 0xE6F37;
    rom.bytes()[b] = 'A', rom.bytes()[b + 1] = 'B', rom.bytes()[b + 2] = 'C';
    ASSERT_TRUE(saveteamabbrev(rom, b, c.letters));
    EXPECT_EQ(Bytes(rom.bytes().begin() + b, rom.bytes().begin() + b + 3), c.field);
    EXPECT_EQ(rom.bytes()[b + 3], 0xEE);
  }
}

TEST(PaletteWriter, SlotWordsLandLittleEndianAndOtherWordsStay) {
  MemoryRom rom = blankRom();
  std::array<std::uint16_t, kSlotCount> words{};
  for (int s = 0; s < kSlotCount; ++s) words[s] = static_cast<std::uint16_t>(0x7000 + s);
  words[0] = 0x7080;
  const std::uint32_t home = layout::homePalette(5), away = layout::awayPalette(5);
  ASSERT_TRUE(writeUniformPalettes(rom, home, away, words));
  EXPECT_EQ(rom.bytes()[home + 4], 0x80);
  EXPECT_EQ(rom.bytes()[home + 5], 0x70);
  EXPECT_EQ(rom.bytes()[away + 24], 0x13);  // slot 19: SS of the away side
  for (std::uint32_t palette : {home, away})
    for (std::uint32_t b : {0u, 1u, 2u, 3u, 12u, 13u, 26u, 27u, 28u, 29u, 30u, 31u})
      EXPECT_EQ(rom.bytes()[palette + b], 0xEE) << b;
}

TeamNameBytes namesOfLength(std::vector<std::size_t> lengths) {
  TeamNameBytes names;
  for (int m = 0; m < layout::kTeamCount; ++m)
    names[m] = Bytes(lengths[m], static_cast<std::uint8_t>('A' + m % 26));
  return names;
}

TEST(TeamNameWriter, PointerLowBytesFollowTheNames) {
  std::vector<std::size_t> lengths(28, 5);
  lengths[0] = 12, lengths[1] = 13;
  const TeamNameLayout names = layoutTeamNames(namesOfLength(lengths));
  const auto table = teamNamePointers(names, 0x98);
  EXPECT_EQ(table[0], 0x81);
  EXPECT_EQ(table[2], 0x8E);
  EXPECT_EQ(table[4], 0x9C);
  EXPECT_EQ(table[1], 0x98);
}

TEST(TeamNameWriter, ShorteningName3MovesLaterPointersAndNotName27) {
  std::vector<std::size_t> lengths(28, 7);
  const auto before = teamNamePointers(layoutTeamNames(namesOfLength(lengths)), 0x98);
  lengths[3] -= 2;
  const auto shorter = teamNamePointers(layoutTeamNames(namesOfLength(lengths)), 0x98);
  for (int m = 0; m < 28; ++m)
    EXPECT_EQ(shorter[2 * m], static_cast<std::uint8_t>(before[2 * m] - (m > 3 ? 2 : 0))) << m;
  lengths[27] = 1;
  EXPECT_EQ(teamNamePointers(layoutTeamNames(namesOfLength(lengths)), 0x98), shorter);
}

TEST(TeamNameWriter, HighByteFollowsWord0AcrossThePage) {
  // Names of 4 letters start 5 bytes apart: name 25 at 0xE1881 + 125 = 0xE18FE, name 26 at 0xE1903.
  const auto table = teamNamePointers(layoutTeamNames(namesOfLength(std::vector<std::size_t>(28, 4))), 0x98);
  EXPECT_EQ(table[50], 0xFE);
  EXPECT_EQ(table[51], 0x98);
  EXPECT_EQ(table[52], 0x03);
  EXPECT_EQ(table[53], 0x99);
  EXPECT_EQ(teamNamePointers(layoutTeamNames(namesOfLength(std::vector<std::size_t>(28, 4))), 0xFF)[53],
            0x00);
}

TEST(TeamNameWriter, BlockOfExactly261BytesHasNoFillerAndOneMoreDoesNotFit) {
  std::vector<std::size_t> lengths(28, 8);
  lengths[27] = 233 - 27 * 8;
  const TeamNameLayout full = layoutTeamNames(namesOfLength(lengths));
  ASSERT_EQ(full.block.size(), 261u);
  MemoryRom rom = blankRom();
  rom.bytes()[layout::kTeamNamePointerOffset + 1] = 0x98;
  ASSERT_TRUE(writeTeamNameBlock(rom, full));
  EXPECT_EQ(rom.bytes()[0xE1985], 0x00);  // the 28th terminator is the last byte
  EXPECT_EQ(rom.bytes()[0xE1986], 0xEE);

  lengths[27] += 1;
  const TeamNameLayout over = layoutTeamNames(namesOfLength(lengths));
  EXPECT_FALSE(fitsTeamNameBlock(over));
  MemoryRom untouched = blankRom();
  EXPECT_FALSE(writeTeamNameBlock(untouched, over));
  EXPECT_EQ(untouched.bytes(), blankRom().bytes());
}

TEST(TeamNameWriter, ShortBlockIsPaddedWithSpaces) {
  MemoryRom rom = blankRom();
  ASSERT_TRUE(writeTeamNameBlock(rom, layoutTeamNames(namesOfLength(std::vector<std::size_t>(28, 1)))));
  EXPECT_EQ(rom.bytes()[0xE1881 + 55], 0x00);
  for (std::uint32_t off = 0xE1881 + 56; off <= 0xE1985; ++off) ASSERT_EQ(rom.bytes()[off], 0x20) << off;
  EXPECT_EQ(rom.bytes()[0xE1849], 0x81);
  EXPECT_EQ(rom.bytes()[0xE184A], 0xEE);  // word 0 keeps its own high byte
}

}  // namespace
}  // namespace quarven::save
