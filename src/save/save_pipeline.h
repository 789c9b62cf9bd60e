#pragma once
// The work of the SAVE button (`Command1_Click`): checks, one opening of the ROM image, the writers
// in their order, and the messages that report the outcome.

#include <cstdint>

#include "rom/messenger.h"
#include "rom/rom_image.h"
#include "rom/selected_team.h"
#include "save/save_input.h"

namespace quarven::save {

enum class SaveOutcome {
  Saved,            // everything written, "Your changes have been saved." shown
  TeamNameRefused,  // empty or over-long team name; nothing opened
  InputRefused,     // a text or colour that cannot be written; nothing opened
  NotOpened,        // the ROM image could not be opened for writing
  ImageTooShort,    // the image ends before a place the save writes; nothing written
  NoRoom,           // the file's room for the writes could not be reserved; nothing written
  WriteFailed,      // a write failed; what was written is put back where that works (imageRestored)
  OverBudget,       // palettes and team name written; roster, abbreviation and lines not
  ChangedOnDisk,    // the image changed on disk since the load; the user chose not to overwrite it
  NotRead,          // the image could not be read to compare it with the writes; nothing written
  Replaced,         // the file at the path was replaced or removed while the save wrote; not saved
};

struct SaveResult {
  SaveOutcome outcome = SaveOutcome::Saved;
  bool teamNameBlockRefused = false;  // the names did not fit the team-name block
  bool imageRestored = false;         // after a failed write: the image is as before the save
  std::int64_t playerletters = 0;     // bytes the roster's records need
};

// Saves the window's contents for the selected team. The only state it changes is the selected
// team's entry of `teamname`, in every save whose team name has 1 to 20 characters, and what the
// state knows of the image: which places SAVE has written, what it wrote there, and what a failed
// save could not put back.
SaveResult runSave(RomOpener& opener, SelectedTeam& team, const SaveInput& input, Messenger& messenger);

}  // namespace quarven::save
