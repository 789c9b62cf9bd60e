#include "save/team_name_stage.h"

#include "rom/team_table.h"
#include "save/text_encoding.h"

namespace quarven::save {

TeamNameBytes applyEditedTeamName(SelectedTeam& team, const std::string& text) {
  if (const auto k = teamIndexByFullName(team.fullName)) {
    team.teamname[*k] = text;
    if (showsTeamNameBytes(text, team.teamnameLoaded))
      team.teamnameBytes[*k] = team.teamnameLoaded;
    else if (!showsTeamNameBytes(text, team.teamnameBytes[*k]))
      if (auto bytes = encodeTeamName(text)) team.teamnameBytes[*k] = std::move(*bytes);
  }
  return team.teamnameBytes;
}

}  // namespace quarven::save
