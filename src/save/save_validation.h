#pragma once
// The checks a save makes before it opens the ROM image. A save they refuse writes nothing.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rom/selected_team.h"
#include "save/save_input.h"
#include "save/save_plan.h"

namespace quarven::save {

inline constexpr int kMaxTeamNameLength = 20;
inline constexpr int kMaxPlayerNameLength = 27;

// The two team-name checks of SAVE, made whether or not team-name change is on: the message to
// show, or nothing when the text has 1 to 20 characters.
std::optional<std::string> checkTeamNameLength(std::string_view text);

// Colour words the colour word table gives for the 20 sample boxes; none where it has no row.
using SlotWordLookup = ColourSlots<std::optional<std::uint16_t>>;

struct PlanResult {
  std::optional<SavePlan> plan;
  std::string problem;  // the first problem found, when there is no plan
};

// Checks every text the save will encode and turns the window's contents into bytes. The first
// problem is reported in this order: a roster that could not be read at load, player rows top to
// bottom (name, then number), lines, abbreviation, team-name characters, colours.
PlanResult prepareSave(const SelectedTeam& team, const SaveInput& input, const SlotWordLookup& slotWords);

}  // namespace quarven::save
