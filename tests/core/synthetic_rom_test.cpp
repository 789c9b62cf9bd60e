#include "synthetic_rom.h"

#include <gtest/gtest.h>

#include <set>

#include "rom/codecs.h"
#include "rom/rom_layout.h"
#include "rom/team_table.h"
#include "rom_regions.h"
#include "temp_rom_file.h"

namespace quarven::testing {
namespace {

std::uint16_t wordAt(const std::vector<std::uint8_t>& image, std::uint32_t offset) {
  return static_cast<std::uint16_t>(image[offset] | image[offset + 1] << 8);
}

class SyntheticRomTest : public ::testing::Test {
 protected:
  SyntheticRom rom;
  std::vector<std::uint8_t> image = rom.bytes();
};

TEST_F(SyntheticRomTest, ImageIsOneMebibyteWithTheSignatureAndSeededFiller) {
  ASSERT_EQ(image.size(), 0x100000u);
  EXPECT_EQ(image[0x210], 0xAF);
  EXPECT_EQ(SyntheticRom(1).bytes(), image);
  // Another seed changes the filler almost everywhere; the filler is the seed's noise image.
  EXPECT_GT(differingOffsets(image, SyntheticRom(2).bytes()).size(), 0x100000u * 9 / 10);
  EXPECT_TRUE(strayWrites(noiseImage(image.size(), 1), image).empty());
}

TEST_F(SyntheticRomTest, TeamNameBlockHoldsTheNamesTerminatorsAndSpaceFiller) {
  std::uint32_t at = layout::kTeamNameBlockOffset;
  std::size_t characters = 0;
  for (int m = 0; m < 28; ++m) {
    const TeamContent& t = rom.team(m);
    EXPECT_EQ(t.blockName, codec::upperCaseAscii(teamByIndex(m).key));
    // The low byte of word m is the low byte of the offset where name m starts; the whole word
    // is that offset's LoROM address.
    EXPECT_EQ(image[layout::pointerLowByte(m)], at & 0xFF) << m;
    EXPECT_EQ(wordAt(image, layout::pointerLowByte(m)), 0x8000 | ((at - 0x200) & 0x7FFF)) << m;
    for (std::uint8_t b : t.blockNameBytes) ASSERT_EQ(image[at++], b);
    EXPECT_EQ(image[at++], 0x00);
    characters += t.blockNameBytes.size();
  }
  EXPECT_LE(characters, 233u);
  EXPECT_EQ(wordAt(image, layout::kTeamNamePointerOffset), 0x9681);
  for (; at < layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize; ++at) EXPECT_EQ(image[at], 0x20);
}

// Walks every team's records as they lie from F and compares with the description.
TEST_F(SyntheticRomTest, EveryTeamsDataLiesWhereTheLayoutSaysAndMatchesItsDescription) {
  std::set<std::size_t> nameLengths;
  for (const TeamRow& row : teamTable()) {
    const TeamContent& t = rom.team(row.index);
    SCOPED_TRACE(t.key);
    ASSERT_EQ(t.players.size(), static_cast<std::size_t>(row.playerCount));
    EXPECT_LE(t.recordBytes(), static_cast<std::uint32_t>(row.recordBudget));
    std::set<std::uint8_t> numbers;
    std::uint32_t at = row.firstRecord;
    for (const PlayerContent& p : t.players) {
      EXPECT_EQ(at - row.firstRecord, p.recordOffset);
      EXPECT_EQ(image[at], p.nameBytes.size() + 2);
      EXPECT_EQ(image[at + 1], 0);
      EXPECT_TRUE(std::equal(p.nameBytes.begin(), p.nameBytes.end(), image.begin() + at + 2));
      for (std::uint8_t b : p.nameBytes)
        EXPECT_TRUE(codec::encodePlayerLetter(std::string(1, char(b)))) << int(b);
      at += 2 + static_cast<std::uint32_t>(p.nameBytes.size());
      EXPECT_EQ(image[at], p.number);
      EXPECT_TRUE(p.number != 0 && (p.number >> 4) <= 9 && (p.number & 0xF) <= 9) << int(p.number);
      EXPECT_TRUE(std::equal(p.carried.begin(), p.carried.end(), image.begin() + at + 1));
      numbers.insert(p.number);
      nameLengths.insert(p.nameBytes.size());
      at += 8;
    }
    EXPECT_EQ(numbers.size(), t.players.size()) << "jersey numbers repeat";
    EXPECT_EQ(image[at], 0x02);
    EXPECT_EQ(image[at + 1], 0x00);

    for (int e = 0; e < 7; ++e)
      for (int j = 1; j <= layout::kLineSlots[e]; ++j) {
        const std::uint8_t v = image[layout::lineSlot(row.firstRecord, e, j)];
        EXPECT_TRUE(v == t.lines[e][j - 1] && v >= 1 && v <= row.playerCount) << e << "/" << j;
      }

    EXPECT_TRUE(std::equal(t.abbrev.begin(), t.abbrev.end(), image.begin() + row.abbrevOffset));
    for (const std::uint8_t letter : t.abbrev) EXPECT_TRUE(letter >= 'A' && letter <= 'Z');

    const auto& words = builderColourWords();
    for (int s = 0; s < 10; ++s) {
      EXPECT_EQ(wordAt(image, layout::homePalette(row.index) + layout::slotByte(s)), t.home[s]);
      EXPECT_EQ(wordAt(image, layout::awayPalette(row.index) + layout::slotByte(s)), t.away[s]);
      EXPECT_NE(std::find(words.begin(), words.end(), t.home[s]), words.end());
    }
  }
  EXPECT_TRUE(nameLengths.contains(0));
  EXPECT_TRUE(nameLengths.contains(25));
  EXPECT_GE(nameLengths.size(), 15u);
}

TEST(SyntheticRomRegions, NamedRegionsMatchTheLayoutAndDoNotOverlap) {
  const std::pair<std::uint32_t, RomRegion> samples[] = {
      {0x210, RomRegion::Signature},       {0x211, RomRegion::Filler},
      {0xB52CF, RomRegion::HomePalette},   {0xB52D0, RomRegion::Filler},
      {0xE1985, RomRegion::TeamNameBlock}, {0xE1986, RomRegion::Filler},
      {0xE6D6C, RomRegion::LineTable},     {0xE6DA4 + 392, RomRegion::Filler},
      {0xE6F39, RomRegion::Abbreviation},
  };
  for (const auto& [offset, kind] : samples) EXPECT_EQ(regionAt(offset).kind, kind) << std::hex << offset;
  const std::vector<bool> mask = namedMask(0x100000);
  std::size_t expected = 1 + 56 + 261 + 28 * 2 * 32;
  for (const TeamRow& row : teamTable()) expected += 56 + row.recordBudget + 2 + 3;
  EXPECT_EQ(static_cast<std::size_t>(std::count(mask.begin(), mask.end(), true)), expected);
}

// Each knob changes only the structure it names, and the description follows it.
TEST(SyntheticRomKnobs, ChangesStayInTheirStructures) {
  const std::vector<std::uint8_t> plain = SyntheticRom().bytes();
  SyntheticRom changed;
  changed.teamName("Kings", "LOS ANGELES")
      .playerNames("Kings", {"", "W. Gretzky", "Abcdefghijklmnopqrstuvwxyz"})
      .playerNumbers("Kings", {0x99, 0x1A})
      .recordLengthByte("Kings", 3, 0)
      .lineSlot("Kings", 6, 4, 255)
      .abbrevBytes("Kings", {'l', 'a', 0x00})
      .homeWord("Kings", 9, 0x1234)
      .nameBlockByte(259, 0x00);
  const std::vector<std::uint8_t> image = changed.bytes();
  EXPECT_TRUE(strayWrites(plain, image).empty());

  const TeamContent& kings = changed.team("Kings");
  const std::uint32_t f = kings.firstRecord;
  EXPECT_EQ(kings.blockName, "LOS ANGELES");
  EXPECT_EQ(kings.players[1].name, "W. Gretzky");
  EXPECT_EQ(kings.players[2].lengthByte, 28);
  EXPECT_EQ(image[f + kings.players[2].recordOffset], 28);
  EXPECT_EQ(image[f + kings.players[3].recordOffset], 0);
  EXPECT_EQ(image[f + 2], 0x99);  // empty name: number right after the length word
  EXPECT_EQ(image[layout::lineSlot(f, 6, 4)], 255);
  EXPECT_EQ(image[0xE1881 + 259], 0x00);
  // The pointer table follows the new name lengths.
  const std::uint32_t sharksName = 0xE1881 + [&] {
    std::uint32_t n = 0;
    for (int m = 0; m < 19; ++m) n += static_cast<std::uint32_t>(changed.team(m).blockNameBytes.size()) + 1;
    return n;
  }();
  EXPECT_EQ(image[layout::pointerLowByte(19)], sharksName & 0xFF);
}

TEST(SyntheticRomKnobs, RefusesContentThatCannotBeLaidOutAndTruncates) {
  SyntheticRom rom;
  EXPECT_THROW(rom.playerNames("Mighty Ducks", std::vector<std::string>(25, std::string(27, 'Q'))),
               std::invalid_argument);                                                // over the budget
  EXPECT_THROW(rom.teamName("Bruins", std::string(40, 'B')), std::invalid_argument);  // over 233 letters
  EXPECT_THROW(rom.lineSlot("Bruins", 5, 5, 1), std::invalid_argument);
  EXPECT_EQ(rom.team(1).blockName, "BRUINS");  // a refused knob leaves the content as it was
  EXPECT_EQ(rom.team(0).players[0].nameBytes, SyntheticRom().team(0).players[0].nameBytes);

  rom.truncate(528);
  const TempRomFile file(rom);
  const std::vector<std::uint8_t> whole = SyntheticRom().bytes();
  EXPECT_EQ(file.contents(), std::vector<std::uint8_t>(whole.begin(), whole.begin() + 528));
}

}  // namespace
}  // namespace quarven::testing
