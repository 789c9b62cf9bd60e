#include "rom/team_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "rom/rom_layout.h"

namespace quarven {
namespace {

TEST(TeamTable, KeysAndIndexesAreUniqueAndLookupIsExact) {
  std::set<std::string_view> keys;
  std::set<int> indexes;
  for (const TeamRow& row : teamTable()) {
    keys.insert(row.key);
    indexes.insert(row.index);
    EXPECT_EQ(&teamByIndex(row.index), &row);
    EXPECT_EQ(findTeamByKey(row.key), &row);
    EXPECT_EQ(teamIndexByFullName(row.fullName), row.index);
  }
  EXPECT_EQ(keys.size(), 28u);
  EXPECT_EQ(*indexes.begin(), 0);
  EXPECT_EQ(*indexes.rbegin(), 27);
  for (const char* key : {"mighty ducks", "All Starts West", ""})
    EXPECT_EQ(findTeamByKey(key), nullptr) << key;
  EXPECT_FALSE(teamIndexByFullName("Boston Bruins").has_value());
}

TEST(TeamTable, TeamDataAreasDoNotOverlapAndLeaveRoomBeforeTheAbbreviation) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> areas;
  for (const TeamRow& row : teamTable()) {
    areas.emplace_back(layout::lineTable(row.firstRecord), row.abbrevOffset + 2);
    EXPECT_LE(row.firstRecord + row.recordBudget + 2 + 10, row.abbrevOffset) << row.key;
  }
  std::sort(areas.begin(), areas.end());
  EXPECT_GE(areas.front().first, 0xE2874u);
  EXPECT_LE(areas.back().second, 0xE6F39u);
  for (std::size_t i = 1; i < areas.size(); ++i) EXPECT_LT(areas[i - 1].second, areas[i].first);
}

}  // namespace
}  // namespace quarven
