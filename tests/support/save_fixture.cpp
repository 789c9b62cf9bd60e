#include "save_fixture.h"

#include <algorithm>

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

void rosterNeeds(SaveFixture& f, int excess) {
  int letters = f.row->recordBudget + excess - 10 * f.row->playerCount;
  for (int p = 0; p < f.row->playerCount; ++p, letters -= 27)
    f.input.nameTexts[p].assign(static_cast<std::size_t>(std::clamp(letters, 0, 27)), 'w');
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

// A view of an image that tells its opener when it is closed and can fail writes.
class FaultyView : public RomImage {
 public:
  FaultyView(RomImage& image, std::unique_ptr<RomImage> owned, FaultyOpener& opener)
      : image_(image), owned_(std::move(owned)), opener_(opener) {
    opener_.isOpen = true;
  }
  ~FaultyView() override { opener_.isOpen = false; }
  std::size_t size() const override { return image_.size(); }
  bool read(std::uint32_t offset, std::span<std::uint8_t> out) override {
    ++opener_.reads;
    return image_.read(offset, out);
  }
  bool write(std::uint32_t offset, std::span<const std::uint8_t> bytes) override {
    const int number = opener_.writes++;
    if (opener_.beforeWrite) opener_.beforeWrite(number);
    const int failing = opener_.failingWrite;
    if (failing >= 0 && (number == failing || (number > failing && opener_.laterWritesFail))) {
      if (number == failing) image_.write(offset, bytes.first(bytes.size() / 2));
      return false;
    }
    opener_.writtenRanges.emplace_back(offset, bytes.size());
    return image_.write(offset, bytes);
  }
  bool reserve(std::uint32_t offset, std::size_t count) override {
    return !opener_.reserveFails && image_.reserve(offset, count);
  }
  bool atItsPath() const override { return image_.atItsPath(); }

 private:
  RomImage& image_;
  std::unique_ptr<RomImage> owned_;
  FaultyOpener& opener_;
};

}  // namespace

std::unique_ptr<RomImage> FaultyOpener::view(RomImage& image, std::unique_ptr<RomImage> owned) {
  ++opens;
  return std::make_unique<FaultyView>(image, std::move(owned), *this);
}

std::unique_ptr<RomImage> MemoryOpener::open(FileRom::Mode, std::string*) {
  return view(rom_);
}

std::unique_ptr<RomImage> FaultyFileOpener::open(FileRom::Mode mode, std::string* error) {
  std::unique_ptr<RomImage> file = FileRom::open(path_, mode, error);
  if (!file) return nullptr;
  RomImage& image = *file;
  return view(image, std::move(file));
}

}  // namespace quarven::testing
