#pragma once
// A synthetic ROM image with canonical values for every team, and what the window and the
// selected-team state hold after loading one of them, for the save tests.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "rom/messenger.h"
#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "rom/team_table.h"
#include "save/save_input.h"

namespace quarven::testing {

inline constexpr std::uint8_t kPointerWord0High = 0x98;

struct SaveFixture {
  MemoryRom rom;
  SelectedTeam team;
  save::SaveInput input;
  const TeamRow* row = nullptr;
};

// Every byte pseudo-random, then the 28 teams written in canonical form: names that fill 248 bytes
// of the team-name block with pointers to each, players with distinct jersey numbers, lines naming
// roster rows, three-letter abbreviations and palette words that the colour word table gives back.
SaveFixture makeSaveFixture(std::string_view teamKey, bool teamNameChangeOn = false);

// The display colour the x8 rule gives for a colour word.
std::uint32_t x8Colour(std::uint16_t word);

// True for the offsets a save of the team may change (the team-name places only when asked).
bool savePlace(const TeamRow& row, std::uint32_t offset, bool teamNames);

// Offsets at which two images differ.
std::vector<std::uint32_t> changedOffsets(const std::vector<std::uint8_t>& before,
                                          const std::vector<std::uint8_t>& after);

// Messages in the order shown; `onShow` runs for each, e.g. to look at the image at that moment.
class RecordingMessenger : public Messenger {
 public:
  using Messenger::show;
  void show(const UserMessage& message) override {
    texts.push_back(message.text);
    titles.push_back(message.title);
    if (onShow) onShow(message);
  }
  std::vector<std::string> texts;
  std::vector<std::string> titles;
  std::function<void(const UserMessage&)> onShow;
};

// Hands out views of one MemoryRom, counts the openings and knows whether a view is still open.
// With `failWritesAfter` set, writes fail once that many have succeeded.
class MemoryOpener : public RomOpener {
 public:
  explicit MemoryOpener(MemoryRom& rom) : rom_(rom) {}
  std::unique_ptr<RomImage> open(FileRom::Mode mode, std::string* error) override;

  int opens = 0;
  bool isOpen = false;
  bool refuse = false;       // every open fails
  int failWritesAfter = -1;  // -1: writes never fail
  int writes = 0;

 private:
  MemoryRom& rom_;
};

}  // namespace quarven::testing
