#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "rom/rom_layout.h"
#include "save/player_record_writer.h"
#include "save/team_name_writer.h"

namespace quarven::save {
namespace {

using Bytes = std::vector<std::uint8_t>;

PlayerEntry player(std::string_view name, std::uint8_t number) {
  return {Bytes(name.begin(), name.end()), number};
}

// An empty name is a 10-byte record whose length word equals the end marker; the longest names
// SAVE writes give the length bytes 0x1B to 0x1D.
TEST(PlayerRecordWriter, RecordFieldsAndEndMarker) {
  CarriedBytes extra{};
  for (int j = 0; j < layout::kCarriedBytes; ++j)
    for (int r = 0; r < 2; ++r) extra[j][r] = static_cast<std::uint8_t>(0x10 * (j + 1) + r);
  const Bytes expected = {0x02, 0x00, 0x07, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70,  // empty name
                          0x04, 0x00, 'A',  'l',  0x99, 0x11, 0x21, 0x31, 0x41, 0x51, 0x61, 0x71, 0x02, 0x00};
  EXPECT_EQ(playerRecordBlock({player("", 0x07), player("Al", 0x99)}, extra), expected);
  for (int letters : {25, 26, 27}) {
    const Bytes block = playerRecordBlock({player(std::string(letters, 'x'), 0x12)}, extra);
    ASSERT_EQ(block.size(), static_cast<std::size_t>(letters + 10 + 2));
    EXPECT_EQ(std::tuple(block[0], block[2 + letters]), std::tuple(letters + 2, 0x12));
  }
}

TeamNameLayout namesOfLength(std::size_t length, std::size_t last) {
  TeamNameBytes names;
  for (int m = 0; m < layout::kTeamCount; ++m) names[m] = Bytes(m == 27 ? last : length, 'A' + m % 26);
  return layoutTeamNames(names);
}

// A block of exactly 261 bytes ends with the 28th terminator; one byte more is refused unwritten.
// The last name moves no pointer.
TEST(TeamNameWriter, BlockOfExactly261BytesFitsOneMoreDoesNotAndTheLastNameMovesNoPointer) {
  const TeamNameLayout full = namesOfLength(8, 233 - 27 * 8);
  ASSERT_EQ(full.block.size(), 261u);
  MemoryRom rom(Bytes(0x100000, 0xEE));
  ASSERT_TRUE(writeTeamNameBlock(rom, full));
  EXPECT_EQ(std::tuple(rom.bytes()[0xE1985], rom.bytes()[0xE1986]), std::tuple(0x00, 0xEE));
  const TeamNameLayout over = namesOfLength(8, 233 - 27 * 8 + 1);
  EXPECT_FALSE(fitsTeamNameBlock(over));
  MemoryRom untouched(Bytes(0x100000, 0xEE));
  EXPECT_FALSE(writeTeamNameBlock(untouched, over));
  EXPECT_EQ(untouched.bytes(), Bytes(0x100000, 0xEE));
  EXPECT_EQ(teamNamePointers(namesOfLength(7, 1), 0x96), teamNamePointers(namesOfLength(7, 7), 0x96));
}

}  // namespace
}  // namespace quarven::save
