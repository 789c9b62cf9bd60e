#pragma once
// A synthetic ROM image with one team loaded from it: the selected-team state and what the
// window holds for SAVE, for the save tests.

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rom/messenger.h"
#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "rom/team_load.h"
#include "rom/team_table.h"
#include "save/save_input.h"
#include "synthetic_rom.h"

namespace quarven::testing {

struct SaveFixture {
  SyntheticRom source;
  MemoryRom rom;
  SelectedTeam team;
  save::SaveInput input;
  const TeamRow* row = nullptr;
};

// Loads the team from the image as the team buttons do and fills the save input from the result,
// the sample boxes with the colours the uniform figures show.
SaveFixture makeSaveFixture(std::string_view teamKey, bool teamNameChangeOn = false,
                            SyntheticRom source = SyntheticRom());

// What the window holds right after a team load, as SAVE sees it when nothing was edited; the
// sample boxes get the colours the uniform figures show.
save::SaveInput saveInputFromLoad(const TeamLoadResult& load, bool teamNameChangeOn);

// Names of 27 letters and less, so that the roster needs its record budget plus `excess` bytes.
void rosterNeeds(SaveFixture& f, int excess);

// True for the offsets a save of the team may change (the team-name places only when asked).
bool savePlace(const TeamRow& row, std::uint32_t offset, bool teamNames);

// Messages in the order shown; `onShow` runs for each, e.g. to look at the image at that moment.
// Questions are recorded among them (in `texts`) and answered from `answers`, No once it is empty.
class RecordingMessenger : public Messenger {
 public:
  using Messenger::show;
  void show(const UserMessage& message) override {
    texts.push_back(message.text);
    titles.push_back(message.title);
    icons.push_back(message.icon);
    if (onShow) onShow(message);
  }
  bool ask(const std::string& question) override {
    texts.push_back(question);
    ++questions;
    if (onAsk) onAsk();
    const bool yes = !answers.empty() && answers.front();
    if (!answers.empty()) answers.pop_front();
    return yes;
  }
  std::vector<std::string> texts;
  std::vector<std::string> titles;
  std::vector<UserMessage::Icon> icons;
  std::function<void(const UserMessage&)> onShow;
  std::function<void()> onAsk;  // runs while the question is on screen, before it is answered
  int questions = 0;
  std::deque<bool> answers;  // true for Yes
};

// Hands out views of ROM images that can fail writes, counts the openings and knows whether a view
// is still open. Notes each write made. Write number `failingWrite` (counted from 0) fails after
// writing the first half of its bytes, as a file system that runs out of room part way does; with
// `laterWritesFail` every write after it fails too. `reserveFails` makes every reservation fail.
class FaultyOpener : public RomOpener {
 public:
  int opens = 0;
  bool isOpen = false;
  int failingWrite = -1;  // -1: writes never fail
  bool laterWritesFail = false;
  bool reserveFails = false;
  std::function<void(int)> beforeWrite;  // runs before each write tried, with its number
  int writes = 0;                        // writes tried
  int reads = 0;                         // reads made
  std::vector<std::pair<std::uint32_t, std::size_t>> writtenRanges;  // offset and size of each write made

 protected:
  // A view of `image` (owned when `owned` is given) under the faults set here.
  std::unique_ptr<RomImage> view(RomImage& image, std::unique_ptr<RomImage> owned = nullptr);
};

// Views of one MemoryRom.
class MemoryOpener : public FaultyOpener {
 public:
  explicit MemoryOpener(MemoryRom& rom) : rom_(rom) {}
  std::unique_ptr<RomImage> open(FileRom::Mode mode, std::string* error) override;

 private:
  MemoryRom& rom_;
};

// The file at a path, opened anew each time as the window opens it.
class FaultyFileOpener : public FaultyOpener {
 public:
  explicit FaultyFileOpener(std::string path) : path_(std::move(path)) {}
  std::unique_ptr<RomImage> open(FileRom::Mode mode, std::string* error) override;

 private:
  std::string path_;
};

}  // namespace quarven::testing
