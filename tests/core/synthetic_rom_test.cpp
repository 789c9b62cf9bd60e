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

// What team load cannot show: the pointer table (word 0 at the block start, low bytes following the
// names), the filler after the names, the end marker behind records within the record budget.
TEST(SyntheticRom, PointerTableFillerAndRecordBlocks) {
  const SyntheticRom rom;
  const std::vector<std::uint8_t> image = rom.bytes();
  ASSERT_EQ(image.size(), kRomSize);
  EXPECT_EQ(std::tuple(image[0x210], wordAt(image, 0xE1849)), std::tuple(0xAF, 0x9681));
  std::uint32_t name = 0xE1881;
  for (int m = 0; m < 28; ++m) {
    const TeamContent& t = rom.team(m);
    EXPECT_EQ(image[layout::pointerLowByte(m)], name & 0xFF) << m;
    name += static_cast<std::uint32_t>(t.blockNameBytes.size());
    EXPECT_EQ(image[name++], 0x00) << m;
    const TeamRow& row = teamByIndex(m);
    ASSERT_LE(t.recordBytes(), static_cast<std::uint32_t>(row.recordBudget));
    EXPECT_EQ(wordAt(image, row.firstRecord + t.recordBytes()), 0x0002) << m;
  }
  for (; name < 0xE1986; ++name) EXPECT_EQ(image[name], 0x20);
}

// Knobs change their structure and nothing else, refused content leaves the team as it was, a
// truncated image keeps its leading bytes, and the filler is the seed's noise.
TEST(SyntheticRom, KnobsChangeOnlyTheirStructure) {
  const std::vector<std::uint8_t> plain = SyntheticRom().bytes();
  EXPECT_LT(differingOffsets(noiseImage(kRomSize, 1), plain).size(), 20000u);
  SyntheticRom rom;
  rom.playerNameBytes("Kings", 0, {}).recordLengthByte("Kings", 3, 0).lineSlot("Kings", 6, 4, 255);
  const TeamContent& kings = rom.team("Kings");
  const std::vector<std::uint8_t> image = rom.bytes();
  const std::uint32_t f = kings.firstRecord;
  EXPECT_EQ(image[f + 2], kings.players[0].number);  // empty name: number right after the length word
  EXPECT_EQ(image[f + kings.players[3].recordOffset], 0);
  EXPECT_EQ(image[layout::lineSlot(f, 6, 4)], 255);
  for (const std::uint32_t off : differingOffsets(plain, image))
    EXPECT_TRUE(off >= layout::lineTable(f) && off < f + teamByIndex(kings.index).recordBudget + 2) << off;
  EXPECT_THROW(rom.teamNameBytes("Bruins", std::vector<std::uint8_t>(40, 'B')), std::invalid_argument);
  EXPECT_EQ(rom.team("Bruins").blockName, "BRUINS");
  const TempRomFile file(SyntheticRom().truncate(528));
  EXPECT_EQ(file.contents(), std::vector<std::uint8_t>(plain.begin(), plain.begin() + 528));
}

}  // namespace
}  // namespace quarven::testing
