#include "save_fixture.h"

#include "colours/colour_key_table.h"
#include "colours/colour_model.h"
#include "rom/rom_layout.h"
#include "rom/team_load.h"

namespace quarven::testing {

SaveFixture makeSaveFixture(std::string_view teamKey, bool teamNameChangeOn, SyntheticRom source) {
  SaveFixture f{std::move(source), MemoryRom(), SelectedTeam(), save::SaveInput(), findTeamByKey(teamKey)};
  f.rom = f.source.memoryRom();
  const TeamLoadResult load = loadTeam(f.rom, teamKey, SelectedTeam());
  f.team = load.state;
  f.input = saveInputFromLoad(load, teamNameChangeOn);
  return f;
}

save::SaveInput saveInputFromLoad(const TeamLoadResult& load, bool teamNameChangeOn) {
  save::SaveInput input;
  input.teamNameText = load.text10();
  input.teamNameChangeOn = teamNameChangeOn;
  input.abbrevText = load.abbreviation;
  input.numberTexts = load.numberTexts;
  for (std::size_t p = 0; p < load.rows.size(); ++p) input.nameTexts[p] = load.rows[p].name;
  input.lineTexts = load.lineBoxes;
  std::array<std::uint32_t, layout::kColourSlots> home{}, away{};
  const std::span<const std::uint16_t> words(load.state.colourWords);
  colours::fillDisplayColours(colours::colourTexts(words.first<layout::kColourSlots>()), home);
  colours::fillDisplayColours(colours::colourTexts(words.last<layout::kColourSlots>()), away);
  std::copy(home.begin(), home.end(), input.sampleColours.begin());
  std::copy(away.begin(), away.end(), input.sampleColours.begin() + layout::kColourSlots);
  return input;
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

namespace {

// A view of a MemoryRom that tells its opener when it is closed and can fail writes.
class MemoryView : public RomImage {
 public:
  MemoryView(MemoryRom& rom, MemoryOpener& opener) : rom_(rom), opener_(opener) { opener_.isOpen = true; }
  ~MemoryView() override { opener_.isOpen = false; }
  std::size_t size() const override { return rom_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override { return rom_.read(offset, out); }
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override {
    const int number = opener_.writes++;
    const int failing = opener_.failingWrite;
    if (failing >= 0 && (number == failing || (number > failing && opener_.laterWritesFail))) {
      if (number == failing) rom_.write(offset, bytes.first(bytes.size() / 2));
      return false;
    }
    opener_.writtenRanges.emplace_back(offset, bytes.size());
    return rom_.write(offset, bytes);
  }
  bool reserve(std::uint32_t offset, std::size_t count) override {
    return !opener_.reserveFails && rom_.reserve(offset, count);
  }

 private:
  MemoryRom& rom_;
  MemoryOpener& opener_;
};

}  // namespace

std::unique_ptr<RomImage> MemoryOpener::open(FileRom::Mode, std::string*) {
  ++opens;
  return std::make_unique<MemoryView>(rom_, *this);
}

}  // namespace quarven::testing
