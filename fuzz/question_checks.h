#pragma once
// Another program at work while SAVE's question about its earlier change is on screen: it writes a
// byte into the image, or renames another version over it (for a memory image: the content swapped
// for the image as loaded with one byte changed).

#include <cstdint>
#include <vector>

#include "mishaps.h"
#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "save/save_input.h"

namespace quarven::fuzz {

// From the image as loaded (`asLoaded`, in `rom`) and the team's state as loaded: the mishap's
// second write, then a SAVE whose first question is answered Yes while the other program writes
// again, and a second question, if any, as the mishap says. Checks that after Yes SAVE compares
// again and asks again exactly when it would overwrite what changed during the question, that No
// writes nothing, and that what it then saves is in the image as it is after the question.
void checkChangeWhileAsked(MemoryRom& rom, const SelectedTeam& loaded, const save::SaveInput& input,
                           const std::vector<std::uint8_t>& asLoaded, const Mishap& mishap);

}  // namespace quarven::fuzz
