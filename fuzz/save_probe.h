#pragma once
// Team loads and saves as the window runs them, with the promises every one of them keeps checked:
// the ROM image is closed again when the operation returns, a refused save never opens it, and a
// save writes only the selected team's own places. A broken promise aborts, so the fuzzer reports
// the input that broke it.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "rom/team_load.h"
#include "save/save_input.h"
#include "save/save_pipeline.h"

namespace quarven::fuzz {

// Prints the broken promise and aborts.
[[noreturn]] void brokenPromise(const std::string& what);
inline void require(bool holds, const char* what) {
  if (!holds) brokenPromise(what);
}

// A team load through an opener, as a team button runs it.
TeamLoadResult checkedLoad(MemoryRom& rom, std::string_view teamKey, const SelectedTeam& current,
                           const std::array<std::string, layout::kMaxPlayers>& shownNumbers);

// Offset and size of each write a SAVE made, in order.
using WrittenRanges = std::vector<std::pair<std::uint32_t, std::size_t>>;

// What a SAVE meets besides the window: a write that fails (counted from 0; with laterWritesFail
// every later one too, the put-back included), the answers to its questions (No unless answerYes;
// `answers`, when given, answers them in turn, No past its end) and another program at work while
// a question is on screen (`duringQuestion` runs at each one, before it is answered).
struct SaveConditions {
  int failingWrite = -1;
  bool laterWritesFail = false;
  bool answerYes = false;
  int* questions = nullptr;  // when given, counts the questions asked
  std::vector<bool> answers = {};
  std::function<void(MemoryRom&)> duringQuestion = {};
  WrittenRanges* written = nullptr;  // when given, receives the writes made
};

// A SAVE of the selected team, as the SAVE button runs it. Besides the promises above: the image
// is closed while a question is on screen; a SAVE asks again only when the image changed while the
// last question was on screen, and opens the image again after each Yes; a SAVE answered No writes
// nothing; a failed one that says it put the image back did so; "Your changes have been saved."
// comes with the outcome Saved, and only once no place is half written.
save::SaveResult checkedSave(MemoryRom& rom, SelectedTeam& team, const save::SaveInput& input,
                             const SaveConditions& conditions = {});

// What a SAVE of `team` with `input` writes over `image` when nothing goes wrong: its writes, and
// the image after them. Made on a copy; `image` stays as it is.
struct ReferenceSave {
  WrittenRanges written;
  std::vector<std::uint8_t> after;
};
ReferenceSave referenceSave(const std::vector<std::uint8_t>& image, SelectedTeam team,
                            const save::SaveInput& input);

// The value each byte the writes cover holds in `image` (after them: the value written).
std::map<std::uint32_t, std::uint8_t> writtenValues(const WrittenRanges& written,
                                                    const std::vector<std::uint8_t>& image);

}  // namespace quarven::fuzz
