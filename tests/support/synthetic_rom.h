#pragma once
// Builds complete, plausible ROM images in memory for tests: 1 MiB, the signature byte 0xAF, the
// 28 team names with their pointer table, and per team the player records, the line table, the
// abbreviation field and both uniform palettes. Every byte that no structure names is seeded
// pseudo-random filler, so a stray write shows in a byte diff.
//
//   SyntheticRom rom;                                   // seed 1
//   rom.playerNameBytes("Kings", 0, {'W', '.'})          // knobs chain
//      .lineSlot("Kings", 0, 1, 26);
//   MemoryRom image = rom.memoryRom();
//   const TeamContent& kings = rom.team("Kings");        // what was written, to compare with
//   SyntheticRom().nameBlockByte(258, 0x00);            // a 29th terminator in the name block
//   SyntheticRom().recordLengthByte("Bruins", 3, 0);    // an unreadable record
//   SyntheticRom().truncate(0xE2000);                   // a short file
//   TempRomFile file(rom);                              // on disk (temp_rom_file.h)
//
// Choices the tests may rely on:
// - Team names in the block are the team keys in upper case ("MIGHTY DUCKS", "ALL STARS EAST"):
//   220 characters, so 13 space bytes follow the 28th terminator (12 of them within the 260
//   bytes that team load reads).
// - Pointer words are LoROM addresses of a copier-headered image: word m = 0x8000 | ((offset of
//   name m - 0x200) & 0x7FFF). Word 0 is 0x9681 for the block start 0xE1881; the low byte of a
//   word is always the low byte of its name's file offset.
// - Two-letter teams ("Kings", "Devils", "Sharks", "Lightning") hold a third letter in their
//   abbreviation field too (LAK, NJD, SJS, TBL), as team load reads all three bytes.
// - Default names use only the player-name character set and fit the record budget; jersey
//   numbers are distinct BCD bytes 01..99 per team.
// - Colour slots hold words from a fixed list whose colour texts all have a colour key.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "colours/colour_model.h"
#include "rom/rom_image.h"

namespace quarven::testing {

inline constexpr std::size_t kRomSize = 0x100000;

struct PlayerContent {
  std::vector<std::uint8_t> nameBytes;
  std::string name;  // the name as team load shows it (bytes outside the set as hex text)
  std::uint8_t number = 0;
  std::array<std::uint8_t, 7> carried{};
  std::uint8_t lengthByte = 2;     // low byte of the length word; normally nameBytes.size() + 2
  std::uint32_t recordOffset = 0;  // from F, as laid out (name length + 10 per record)
};

struct TeamContent {
  int index = 0;
  std::string key;
  std::uint32_t firstRecord = 0;  // F
  std::vector<std::uint8_t> blockNameBytes;
  std::string blockName;  // as team load shows it
  std::vector<PlayerContent> players;
  // lines[e][j - 1]: line slot value of entry e, entry byte j (4 used in entries 5 and 6).
  std::array<std::array<std::uint8_t, 5>, 7> lines{};
  std::array<std::uint8_t, 3> abbrev{};
  std::array<std::uint16_t, 10> home{};  // colour words of slots 0..9
  std::array<std::uint16_t, 10> away{};
  std::uint32_t recordBytes() const;  // the records without the end marker
};

// Colour text of a word: hex text of the low byte, then of the high byte (0x7080 gives "8070").
using colours::colourText;
// An image of pure noise, for "any file" tests.
std::vector<std::uint8_t> noiseImage(std::size_t size, std::uint64_t seed);
// Offsets at which two images differ (the shorter one's missing tail counts as different).
std::vector<std::uint32_t> differingOffsets(const std::vector<std::uint8_t>& a,
                                            const std::vector<std::uint8_t>& b);

// A team by key ("Mighty Ducks") or by team index; throws std::invalid_argument for neither.
struct TeamRef {
  TeamRef(int teamIndex);
  TeamRef(std::string_view key);
  TeamRef(const char* key) : TeamRef(std::string_view(key)) {}
  std::size_t index;
};

class SyntheticRom {
 public:
  explicit SyntheticRom(std::uint64_t seed = 1);

  SyntheticRom& teamNameBytes(TeamRef team, std::vector<std::uint8_t> bytes);
  SyntheticRom& playerNameBytes(TeamRef team, int row, std::vector<std::uint8_t> bytes);
  SyntheticRom& playerNumbers(TeamRef team, const std::vector<std::uint8_t>& numbers);
  // Only the length byte changes; the records stay laid out by their names.
  SyntheticRom& recordLengthByte(TeamRef team, int row, std::uint8_t value);
  SyntheticRom& lineSlot(TeamRef team, int entry, int j, std::uint8_t value);
  SyntheticRom& abbrevBytes(TeamRef team, std::array<std::uint8_t, 3> bytes);
  SyntheticRom& homeWord(TeamRef team, int slot, std::uint16_t word);
  SyntheticRom& awayWord(TeamRef team, int slot, std::uint16_t word);

  // Applied after everything else, in call order.
  SyntheticRom& nameBlockByte(int k, std::uint8_t value);  // byte k of the team-name block
  SyntheticRom& poke(std::uint32_t offset, std::vector<std::uint8_t> bytes);
  // Player records as another tool may store them, `excess` bytes over the team's budget: names of
  // up to 27 'w', each row's number and carried bytes its row number (1, 2, ...); poked like poke().
  SyntheticRom& recordsOverBudget(TeamRef team, int excess);
  SyntheticRom& signature(std::uint8_t value);
  SyntheticRom& truncate(std::size_t size);

  const TeamContent& team(TeamRef team) const { return teams_[team.index]; }

  std::vector<std::uint8_t> bytes() const;
  MemoryRom memoryRom() const { return MemoryRom(bytes()); }
  // Writes the image to a file; throws std::runtime_error when it cannot.
  void writeTo(const std::filesystem::path& path) const;

 private:
  TeamContent& mutableTeam(TeamRef team) { return teams_[team.index]; }

  std::uint64_t seed_;
  std::array<TeamContent, 28> teams_;
  std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> pokes_;
  std::size_t size_ = kRomSize;
};

}  // namespace quarven::testing
