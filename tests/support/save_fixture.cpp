#include "save_fixture.h"

#include <array>

#include "rom/codecs.h"
#include "rom/rom_layout.h"

namespace quarven::testing {

namespace {

constexpr std::size_t kImageSize = 0x100000;

// Colour words that have a row of their own in the colour word table.
constexpr std::array<std::uint16_t, 14> kCanonicalWords = {0x0000, 0x000A, 0x0010, 0x001C, 0x00D7,
                                                           0x1084, 0x2108, 0x294A, 0x3C00, 0x5294,
                                                           0x7080, 0x7C84, 0x7BDD, 0x4E73};
constexpr std::string_view kNameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ .'abcdefghijklmnopqrstuvwxyz";

class Random {
 public:
  explicit Random(std::uint32_t seed) : state_(seed * 2654435761u + 1) {}
  std::uint32_t next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
  }
  std::uint8_t byte() { return static_cast<std::uint8_t>(next() >> 7); }

 private:
  std::uint32_t state_;
};

void put(MemoryRom& rom, std::uint32_t offset, const std::vector<std::uint8_t>& bytes) {
  std::copy(bytes.begin(), bytes.end(), rom.bytes().begin() + offset);
}

std::uint8_t bcd(int value) {
  return static_cast<std::uint8_t>((value / 10) * 16 + value % 10);
}

void writeTeamNames(MemoryRom& rom, SelectedTeam& team) {
  std::vector<std::uint8_t> block;
  for (int m = 0; m < layout::kTeamCount; ++m) {
    const std::uint32_t start = layout::kTeamNameBlockOffset + static_cast<std::uint32_t>(block.size());
    rom.bytes()[layout::pointerLowByte(m)] = static_cast<std::uint8_t>(start & 0xFF);
    rom.bytes()[layout::pointerLowByte(m) + 1] =
        static_cast<std::uint8_t>(kPointerWord0High + (start >> 8) - (layout::kTeamNameBlockOffset >> 8));
    const std::string_view name = teamByIndex(m).key;
    team.teamname[m] = std::string(name);
    team.teamnameBytes[m].assign(name.begin(), name.end());
    block.insert(block.end(), name.begin(), name.end());
    block.push_back(0x00);
  }
  team.teamname[28] = std::string(layout::kTeamNameBlockRead - block.size(), ' ');
  team.teamnameBytes[28].assign(team.teamname[28].begin(), team.teamname[28].end());
  block.resize(layout::kTeamNameBlockSize, 0x20);
  put(rom, layout::kTeamNameBlockOffset, block);
}

// One team's data in the image; the window's texts and the selected-team state when `into` is set.
void writeTeam(MemoryRom& rom, const TeamRow& row, SaveFixture* into) {
  Random random(static_cast<std::uint32_t>(row.index) + 100);
  std::array<std::string, layout::kMaxPlayers> numbers;
  std::vector<std::uint8_t> records;
  for (int p = 0; p < row.playerCount; ++p) {
    std::string name;
    const int length = static_cast<int>(random.next() % 9) + 3;
    for (int i = 0; i < length; ++i) name += kNameLetters[random.next() % kNameLetters.size()];
    const std::uint8_t number = bcd((p * 4 + row.index) % 99);
    numbers[p] = codec::hexText(number);
    records.push_back(static_cast<std::uint8_t>(length + 2));
    records.push_back(0x00);
    records.insert(records.end(), name.begin(), name.end());
    records.push_back(number);
    for (int j = 0; j < layout::kCarriedBytes; ++j) {
      const std::uint8_t carried = random.byte();
      records.push_back(carried);
      if (into) into->team.playerextra[j][p] = carried;
    }
    if (into) {
      into->input.nameTexts[p] = name;
      into->input.numberTexts[p] = numbers[p];
    }
  }
  records.push_back(0x02);
  records.push_back(0x00);
  put(rom, row.firstRecord, records);

  for (int line = 0; line < layout::kLineCount; ++line)
    for (int box = 0; box < layout::kLineSlots[line]; ++box) {
      const int player = static_cast<int>(random.next() % row.playerCount);
      rom.bytes()[layout::lineSlot(row.firstRecord, line, layout::lineEntryByteOfBox(line, box))] =
          static_cast<std::uint8_t>(player + 1);
      if (into) into->input.lineTexts[line][box] = numbers[player];
    }

  std::string abbrev;
  for (int i = 0; i < layout::kAbbrevFieldSize; ++i) abbrev += static_cast<char>('A' + random.next() % 26);
  put(rom, row.abbrevOffset, std::vector<std::uint8_t>(abbrev.begin(), abbrev.end()));
  if (into) into->input.abbrevText = abbrev;

  for (int side = 0; side < 2; ++side) {
    const std::uint32_t palette = side == 0 ? layout::homePalette(row.index) : layout::awayPalette(row.index);
    for (int slot = 0; slot < layout::kColourSlots; ++slot) {
      const std::uint16_t word = kCanonicalWords[random.next() % kCanonicalWords.size()];
      rom.bytes()[palette + layout::slotByte(slot)] = static_cast<std::uint8_t>(word & 0xFF);
      rom.bytes()[palette + layout::slotByte(slot) + 1] = static_cast<std::uint8_t>(word >> 8);
      if (into) into->input.sampleColours[side * layout::kColourSlots + slot] = x8Colour(word);
    }
  }
}

}  // namespace

std::uint32_t x8Colour(std::uint16_t word) {
  const std::uint32_t red = (word & 0x1F) * 8, green = ((word >> 5) & 0x1F) * 8,
                      blue = ((word >> 10) & 0x1F) * 8;
  return red | green << 8 | blue << 16;
}

SaveFixture makeSaveFixture(std::string_view teamKey, bool teamNameChangeOn) {
  SaveFixture f;
  f.row = findTeamByKey(teamKey);
  f.rom.bytes().resize(kImageSize);
  Random background(7);
  for (auto& b : f.rom.bytes()) b = background.byte();
  f.rom.bytes()[layout::kSignatureOffset] = layout::kSignatureValue;
  writeTeamNames(f.rom, f.team);
  for (const TeamRow& row : teamTable()) writeTeam(f.rom, row, &row == f.row ? &f : nullptr);

  const TeamRow& row = *f.row;
  f.team.loaded = true;
  f.team.teamIndex = row.index;
  f.team.fullName = std::string(row.fullName);
  f.team.abbrevLength = row.abbrevLength;
  f.team.playercount = static_cast<std::int16_t>(row.playerCount);
  f.team.playerletterlimit = static_cast<std::int16_t>(row.recordBudget);
  f.team.playeraddress = row.firstRecord + 1;
  f.team.homecoloraddress = layout::homePalette(row.index);
  f.team.awaycoloraddress = layout::awayPalette(row.index);
  f.team.abbrevaddress = row.abbrevOffset;
  f.input.teamNameText = f.team.teamname[row.index];
  f.input.teamNameChangeOn = teamNameChangeOn;
  return f;
}

bool savePlace(const TeamRow& row, std::uint32_t offset, bool teamNames) {
  if (teamNames && offset >= layout::kTeamNamePointerOffset &&
      offset < layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize)
    return true;
  for (std::uint32_t palette : {layout::homePalette(row.index), layout::awayPalette(row.index)})
    for (int slot = 0; slot < layout::kColourSlots; ++slot)
      if (offset == palette + layout::slotByte(slot) || offset == palette + layout::slotByte(slot) + 1)
        return true;
  for (int line = 0; line < layout::kLineCount; ++line)
    for (int j = 1; j <= layout::kLineSlots[line]; ++j)
      if (offset == layout::lineSlot(row.firstRecord, line, j)) return true;
  if (offset >= row.firstRecord && offset < row.firstRecord + row.recordBudget + 2) return true;
  return offset >= row.abbrevOffset && offset < row.abbrevOffset + layout::kAbbrevFieldSize;
}

std::vector<std::uint32_t> changedOffsets(const std::vector<std::uint8_t>& before,
                                          const std::vector<std::uint8_t>& after) {
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i < before.size() && i < after.size(); ++i)
    if (before[i] != after[i]) out.push_back(static_cast<std::uint32_t>(i));
  return out;
}

namespace {

// A view of a MemoryRom that tells its opener when it is closed and can fail writes.
class MemoryView : public RomImage {
 public:
  MemoryView(MemoryRom& rom, MemoryOpener& opener) : rom_(rom), opener_(opener) { opener_.isOpen = true; }
  ~MemoryView() override { opener_.isOpen = false; }
  std::size_t size() const override { return rom_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override { return rom_.read(offset, out); }
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override {
    if (opener_.failWritesAfter >= 0 && opener_.writes >= opener_.failWritesAfter) return false;
    ++opener_.writes;
    return rom_.write(offset, bytes);
  }

 private:
  MemoryRom& rom_;
  MemoryOpener& opener_;
};

}  // namespace

std::unique_ptr<RomImage> MemoryOpener::open(FileRom::Mode, std::string* error) {
  ++opens;
  if (refuse) {
    if (error) *error = "Permission denied";
    return nullptr;
  }
  return std::make_unique<MemoryView>(rom_, *this);
}

}  // namespace quarven::testing
