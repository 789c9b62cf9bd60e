#pragma once
// Team loads and saves as the window runs them, with the promises every one of them keeps checked:
// the ROM image is closed again when the operation returns, a refused save never opens it, and a
// save writes only the selected team's own places. A broken promise aborts, so the fuzzer reports
// the input that broke it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

// What a SAVE meets besides the window: a write that fails (counted from 0; with laterWritesFail
// every later one too, the put-back included) and the answer to a question (No unless answerYes).
struct SaveConditions {
  int failingWrite = -1;
  bool laterWritesFail = false;
  bool answerYes = false;
  int* questions = nullptr;  // when given, counts the questions asked
};

// A SAVE of the selected team, as the SAVE button runs it. Besides the promises above: a SAVE
// answered No writes nothing, and a failed one that says it put the image back did so.
save::SaveResult checkedSave(MemoryRom& rom, SelectedTeam& team, const save::SaveInput& input,
                             const SaveConditions& conditions = {});

}  // namespace quarven::fuzz
