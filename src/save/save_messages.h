#pragma once
// The texts of the save's own messages.

#include <cstdint>
#include <string>

namespace quarven::save {

inline constexpr const char* kTeamNameEmpty = "You must atleast put 1 letter in for the team name.";
inline constexpr const char* kTeamNameTooLong = "The maximum length for a team name is 20 characters.";
inline constexpr const char* kTeamNameBlockTooLong = "You've used too many letters for team names.";
inline constexpr const char* kSaved = "Your changes have been saved.";

inline std::string overBudgetMessage(std::int64_t excess) {
  return "You've used " + std::to_string(excess) + " too many letters for player names.";
}

}  // namespace quarven::save
