#pragma once
// Names for parameterised cases, as GoogleTest and CTest list them: the letters and digits of a
// text ("All Stars West" gives "AllStarsWest").

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <string_view>

#include "rom/team_table.h"

namespace quarven::testing {

inline std::string caseName(std::string_view text) {
  std::string name;
  for (const char c : text)
    if (std::isalnum(static_cast<unsigned char>(c))) name += c;
  return name;
}

// A case over the team table is named by the team's key.
inline std::string teamCaseName(const ::testing::TestParamInfo<TeamRow>& info) {
  return caseName(info.param.key);
}

}  // namespace quarven::testing
