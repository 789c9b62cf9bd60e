#pragma once
// SAVEs after one that failed part way and could not put back what it wrote: the places it left
// half written are written in full from the window's contents, whatever the options; the places
// it never touched follow the normal rules; the bytes it tried to write are known with either
// value; and "saved" is said only once nothing is half written.

#include <cstdint>
#include <vector>

#include "mishaps.h"
#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "rom/team_load.h"
#include "save/save_input.h"
#include "save/save_pipeline.h"
#include "save_edits.h"

namespace quarven::fuzz {

// The outcome a SAVE of the window must have: over the budget only when it writes the roster (an
// edited one, or any after a save that left it half written).
save::SaveOutcome expectedOutcome(const SelectedTeam& loaded, const save::SaveInput& input,
                                  bool recordsHalfWritten);

struct FailedSave {
  const TeamLoadResult& load;
  const std::vector<std::uint8_t>& asLoaded;  // the image before it
  const save::SaveInput& input;               // the window it saved
  int failingWrite = -1;
};

// Right after the failed SAVE (`state` as it left it): the half-written bytes are those it changed
// or tried to change and could not put back. Then the mishap's SAVEs between, with `shown` in the
// window and the mishap's options, the first one after another program's write into a byte left
// half written; each keeps the promises above.
void checkSavesAfterFailure(MemoryRom& rom, SelectedTeam& state, const FailedSave& failed,
                            const EditedTeam& shown, const Mishap& mishap);

}  // namespace quarven::fuzz
