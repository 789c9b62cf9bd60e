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

// The builder's images hold every team where the layout locates it: the name block with its
// pointer table, each team's records, line table and abbreviation, and both palettes.
TEST(SyntheticRom, EveryTeamLiesWhereTheLayoutLocatesIt) {
  const SyntheticRom rom;
  const std::vector<std::uint8_t> image = rom.bytes();
  ASSERT_EQ(image.size(), kRomSize);
  EXPECT_EQ(image[0x210], 0xAF);
  EXPECT_EQ(wordAt(image, 0xE1849), 0x9681);  // the first name starts the block
  std::uint32_t name = 0xE1881;
  for (int m = 0; m < 28; ++m) {  // the names lie in team index order
    const TeamRow& row = teamByIndex(m);
    SCOPED_TRACE(row.key);
    const TeamContent& t = rom.team(row.index);
    EXPECT_EQ(wordAt(image, layout::pointerLowByte(row.index)), 0x8000 | ((name - 0x200) & 0x7FFF));
    EXPECT_TRUE(std::equal(t.blockNameBytes.begin(), t.blockNameBytes.end(), image.begin() + name));
    name += static_cast<std::uint32_t>(t.blockNameBytes.size());
    EXPECT_EQ(image[name++], 0x00);

    ASSERT_EQ(t.players.size(), static_cast<std::size_t>(row.playerCount));
    std::uint32_t at = row.firstRecord;
    for (const PlayerContent& p : t.players) {
      EXPECT_EQ(image[at], p.nameBytes.size() + 2);
      EXPECT_TRUE(std::equal(p.nameBytes.begin(), p.nameBytes.end(), image.begin() + at + 2));
      at += 2 + static_cast<std::uint32_t>(p.nameBytes.size());
      EXPECT_EQ(image[at], p.number);
      at += 8;
    }
    EXPECT_LE(at - row.firstRecord, static_cast<std::uint32_t>(row.recordBudget));
    EXPECT_EQ(wordAt(image, at), 0x0002);
    for (int e = 0; e < 7; ++e)
      for (int j = 1; j <= layout::kLineSlots[e]; ++j)
        EXPECT_EQ(image[layout::lineSlot(row.firstRecord, e, j)], t.lines[e][j - 1]);
    EXPECT_TRUE(std::equal(t.abbrev.begin(), t.abbrev.end(), image.begin() + row.abbrevOffset));
    for (int s = 0; s < 10; ++s) {
      EXPECT_EQ(wordAt(image, layout::homePalette(row.index) + layout::slotByte(s)), t.home[s]);
      EXPECT_EQ(wordAt(image, layout::awayPalette(row.index) + layout::slotByte(s)), t.away[s]);
    }
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
