#include "synthetic_rom.h"

#include <gtest/gtest.h>

#include "rom/rom_layout.h"
#include "rom/team_table.h"
#include "temp_rom_file.h"

namespace quarven::testing {
namespace {

std::uint16_t wordAt(const std::vector<std::uint8_t>& image, std::uint32_t offset) {
  return static_cast<std::uint16_t>(image[offset] | image[offset + 1] << 8);
}

// The builder's images hold what team load cannot show: the pointer table, whose word 0 points at
// the block start and whose low bytes follow the names, the filler after the names, and per team
// the end marker behind records that stay within the record budget. (Team load and an unedited SAVE
// of every team check the rest.)
TEST(SyntheticRom, PointerTableFillerAndRecordBlocks) {
  const SyntheticRom rom;
  const std::vector<std::uint8_t> image = rom.bytes();
  ASSERT_EQ(image.size(), kRomSize);
  EXPECT_EQ(image[0x210], 0xAF);
  EXPECT_EQ(wordAt(image, 0xE1849), 0x9681);
  std::uint32_t name = 0xE1881;
  for (int m = 0; m < 28; ++m) {
    const TeamContent& t = rom.team(m);
    SCOPED_TRACE(t.key);
    EXPECT_EQ(image[layout::pointerLowByte(m)], name & 0xFF);
    name += static_cast<std::uint32_t>(t.blockNameBytes.size());
    EXPECT_EQ(image[name++], 0x00);
    const TeamRow& row = teamByIndex(m);
    ASSERT_LE(t.recordBytes(), static_cast<std::uint32_t>(row.recordBudget));
    EXPECT_EQ(wordAt(image, row.firstRecord + t.recordBytes()), 0x0002);
  }
  for (; name < 0xE1986; ++name) EXPECT_EQ(image[name], 0x20);
}

// What other tests rely on: knobs change their structure and nothing else, refused content leaves
// the description as it was, truncation keeps the leading bytes, and filler is the seed's noise.
TEST(SyntheticRom, KnobsChangeOnlyTheirStructure) {
  const std::vector<std::uint8_t> plain = SyntheticRom().bytes();
  EXPECT_LT(differingOffsets(noiseImage(kRomSize, 1), plain).size(), 20000u);
  SyntheticRom rom;
  rom.playerNames("Kings", {"", "W. Gretzky"}).recordLengthByte("Kings", 3, 0).lineSlot("Kings", 6, 4, 255);
  const TeamContent& kings = rom.team("Kings");
  const std::vector<std::uint8_t> image = rom.bytes();
  const std::uint32_t f = kings.firstRecord;
  EXPECT_EQ(image[f + 2], kings.players[0].number);  // empty name: number right after the length word
  EXPECT_EQ(image[f + kings.players[3].recordOffset], 0);
  EXPECT_EQ(image[layout::lineSlot(f, 6, 4)], 255);
  for (const std::uint32_t off : differingOffsets(plain, image))
    EXPECT_TRUE(off >= layout::lineTable(f) && off < f + teamByIndex(kings.index).recordBudget + 2) << off;

  EXPECT_THROW(rom.playerNames("Kings", std::vector<std::string>(25, std::string(27, 'Q'))),
               std::invalid_argument);
  EXPECT_THROW(rom.teamName("Bruins", std::string(40, 'B')), std::invalid_argument);
  EXPECT_EQ(rom.team("Kings").players[1].name, "W. Gretzky");
  EXPECT_EQ(rom.team("Bruins").blockName, "BRUINS");

  const TempRomFile file(SyntheticRom().truncate(528));
  EXPECT_EQ(file.contents(), std::vector<std::uint8_t>(plain.begin(), plain.begin() + 528));
}

}  // namespace
}  // namespace quarven::testing
