#include "rom/team_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rom/rom_layout.h"

namespace quarven {
namespace {

// A slipped roster size, budget or place in any row shows in the totals.
TEST(TeamTable, LookupsAreExactAndTheTotalsAreTheGames) {
  std::uint64_t players = 0, budget = 0, letters = 0, places = 0;
  for (const TeamRow& row : teamTable()) {
    EXPECT_EQ(&teamByIndex(row.index), &row);
    EXPECT_EQ(findTeamByKey(row.key), &row);
    EXPECT_EQ(teamIndexByFullName(row.fullName), row.index);
    players += row.playerCount, budget += row.recordBudget, letters += row.abbrevLength;
    places += row.firstRecord + row.abbrevOffset;
  }
  EXPECT_EQ(std::tuple(players, budget, letters, places), std::tuple(653u, 14568u, 80u, 52477615u));
  for (const char* key : {"mighty ducks", "All Starts West", ""})
    EXPECT_EQ(findTeamByKey(key), nullptr) << key;
  EXPECT_FALSE(teamIndexByFullName("Boston Bruins").has_value());
}

// A save of one team can never write into another's line table, records or abbreviation, nor into
// the team-name block.
TEST(TeamTable, TeamDataAreasDoNotOverlapAndLeaveRoomBeforeTheAbbreviation) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> areas;
  for (const TeamRow& row : teamTable()) {
    areas.emplace_back(layout::lineTable(row.firstRecord), row.abbrevOffset + 2);
    EXPECT_LE(row.firstRecord + row.recordBudget + 2 + 10, row.abbrevOffset) << row.key;
  }
  std::sort(areas.begin(), areas.end());
  EXPECT_GE(areas.front().first, layout::kTeamNameBlockOffset + layout::kTeamNameBlockSize);
  for (std::size_t i = 1; i < areas.size(); ++i) EXPECT_LT(areas[i - 1].second, areas[i].first);
}

}  // namespace
}  // namespace quarven
