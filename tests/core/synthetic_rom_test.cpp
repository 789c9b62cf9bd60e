#include "synthetic_rom.h"

#include <gtest/gtest.h>

#include "rom/rom_layout.h"
#include "rom/team_table.h"
#include "temp_rom_file.h"

namespace quarven::testing {
namespace {

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
