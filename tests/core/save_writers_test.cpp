#include <gtest/gtest.h>

#include <vector>

#include "rom/rom_layout.h"
#include "save/abbreviation_writer.h"
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

TeamNameBytes namesOfLength(std::vector<std::size_t> lengths) {
  TeamNameBytes names;
  for (int m = 0; m < layout::kTeamCount; ++m)
    names[m] = Bytes(lengths[m], static_cast<std::uint8_t>('A' + m % 26));
  return names;
}

TEST(TeamNameWriter, LastNameMovesNoPointer) {
  std::vector<std::size_t> lengths(28, 7);
  const auto before = teamNamePointers(layoutTeamNames(namesOfLength(lengths)), 0x96);
  lengths[27] = 1;
  EXPECT_EQ(teamNamePointers(layoutTeamNames(namesOfLength(lengths)), 0x96), before);
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

}  // namespace
}  // namespace quarven::save
