#pragma once
// The team-name step of SAVE: the edited name takes the selected team's place in the list of
// names, and the block and pointer table are rebuilt from that list.

#include <string>

#include "rom/selected_team.h"
#include "save/team_name_writer.h"

namespace quarven::save {

// Sets the selected team's entry of `teamname` to the edited text (and its bytes: those the load
// read when the text shows them, else the text's when every character has one) and returns the
// names' bytes the block is built from. Names of the
// other teams keep the bytes the ROM image held. A full name that matches no team changes nothing.
TeamNameBytes applyEditedTeamName(SelectedTeam& team, const std::string& text);

}  // namespace quarven::save
