#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "rom/rom_layout.h"
#include "rom/team_table.h"

namespace quarven {
namespace {

TEST(TeamTable, KeysAndIndexesAreUnique) {
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
}

TEST(TeamTable, LookupIsExactAndCaseSensitive) {
  EXPECT_EQ(findTeamByKey("mighty ducks"), nullptr);
  EXPECT_EQ(findTeamByKey("All Starts West"), nullptr);  // the tooltip, not the key
  EXPECT_EQ(findTeamByKey(""), nullptr);
  EXPECT_FALSE(teamIndexByFullName("Boston Bruins").has_value());
}

TEST(TeamTable, MightyDucksPlaces) {
  const TeamRow& ducks = *findTeamByKey("Mighty Ducks");
  EXPECT_EQ(ducks.firstRecord + 1, 945573u);
  EXPECT_EQ(ducks.abbrevOffset, 945975u);
  EXPECT_EQ(layout::homePalette(ducks.index), 741200u);
  EXPECT_EQ(layout::awayPalette(ducks.index), 740304u);
  EXPECT_EQ(layout::lineTable(ducks.firstRecord), 0xE6D6Cu);
  EXPECT_EQ(layout::awayPalette(5), 0xB4C70u);
  EXPECT_EQ(layout::homePalette(27), 0xB52B0u);
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

TEST(TeamTable, LastLineSlotIsFourBytesBelowTheFirstRecord) {
  EXPECT_EQ(layout::lineSlot(0xE6DA4, 6, 4), 0xE6DA4u - 4);
  EXPECT_EQ(layout::lineSlot(0xE6DA4, 0, 1), 0xE6DA4u - 55);
  EXPECT_EQ(layout::lineEntryByteOfBox(0, 4), 1);  // LD box of a five-slot line
  EXPECT_EQ(layout::lineEntryByteOfBox(6, 0), 4);  // C box of a penalty-kill line
}

}  // namespace
}  // namespace quarven
