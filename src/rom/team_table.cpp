#include "rom/team_table.h"

#include <algorithm>

namespace quarven {

namespace {
constexpr std::array<TeamRow, 28> kTeams = {{
    {"Mighty Ducks", "MIGHTY DUCKS OF ANAHEIM", 0, 18, 390, 0xE6DA4, 0xE6F37, 3},
    {"All Stars East", "ALL-STARS EAST", 26, 25, 552, 0xE28AC, 0xE2AE8, 3},
    {"Bruins", "BOSTON BRUINS", 1, 24, 523, 0xE2E01, 0xE3018, 3},
    {"All Stars West", "ALL-STARS WEST", 27, 25, 547, 0xE2B59, 0xE2D90, 3},
    {"Sabres", "BUFFALO SABRES", 2, 24, 525, 0xE3087, 0xE32A1, 3},
    {"Flames", "CALGARY FLAMES", 3, 23, 510, 0xE3316, 0xE3521, 3},
    {"Blackhawks", "CHICAGO BLACKHAWKS", 4, 24, 533, 0xE3595, 0xE37B7, 3},
    {"Red Wings", "DETROIT RED WINGS", 6, 25, 581, 0xE382C, 0xE3A7E, 3},
    {"Oilers", "EDMONTON OILERS", 7, 23, 509, 0xE3AF2, 0xE3CFD, 3},
    {"Whalers", "HARTFORD WHALERS", 9, 23, 527, 0xE3D72, 0xE3F8F, 3},
    {"Kings", "LOS ANGELES KINGS", 10, 24, 537, 0xE4007, 0xE4231, 2},
    {"Stars", "DALLAS STARS", 5, 24, 531, 0xE42A4, 0xE44C3, 3},
    {"Canadians", "MONTREAL CANADIANS", 11, 24, 546, 0xE4530, 0xE4760, 3},
    {"Devils", "NEW JERSEY DEVILS", 12, 24, 555, 0xE47D3, 0xE4A0E, 2},
    {"Islanders", "NEW YORK ISLANDERS", 13, 22, 495, 0xE4A80, 0xE4C7D, 3},
    {"Rangers", "NEW YORK RANGERS", 14, 22, 484, 0xE4CF1, 0xE4EE3, 3},
    {"Senators", "OTTAWA SENATORS", 15, 25, 547, 0xE4F5B, 0xE518A, 3},
    {"Flyers", "PHILADELPHIA FLYERS", 16, 23, 527, 0xE5201, 0xE5422, 3},
    {"Penguins", "PITTSBURGH PENGUINS", 17, 24, 540, 0xE548C, 0xE56B8, 3},
    {"Nordiques", "QUEBEC NORDIQUES", 18, 23, 524, 0xE5727, 0xE593F, 3},
    {"Sharks", "SAN JOSE SHARKS", 19, 23, 503, 0xE59B5, 0xE5BBA, 2},
    {"Blues", "ST. LOUIS BLUES", 20, 23, 503, 0xE5C29, 0xE5E2F, 3},
    {"Lightning", "TAMPA BAY LIGHTNING", 21, 24, 534, 0xE5E9F, 0xE60C4, 2},
    {"Maple Leafs", "TORONTO MAPLE LEAFS", 22, 24, 540, 0xE6131, 0xE635A, 3},
    {"Canucks", "VANCOUVER CANUCKS", 23, 24, 517, 0xE63D3, 0xE65E7, 3},
    {"Jets", "WINNIPEG JETS", 25, 25, 556, 0xE665A, 0xE6894, 3},
    {"Capitals", "WASHINGTON CAPITALS", 24, 24, 542, 0xE6902, 0xE6B30, 3},
    {"Panthers", "FLORIDA PANTHERS", 8, 17, 390, 0xE6BA2, 0xE6D35, 3},
}};
}  // namespace

const std::array<TeamRow, 28>& teamTable() {
  return kTeams;
}

const TeamRow* findTeamByKey(std::string_view key) {
  const auto it = std::find_if(kTeams.begin(), kTeams.end(), [&](const TeamRow& r) { return r.key == key; });
  return it == kTeams.end() ? nullptr : &*it;
}

const TeamRow& teamByIndex(int index) {
  static const std::array<const TeamRow*, 28> byIndex = [] {
    std::array<const TeamRow*, 28> rows{};
    for (const TeamRow& r : kTeams) rows[r.index] = &r;
    return rows;
  }();
  return *byIndex.at(static_cast<std::size_t>(index));
}

std::optional<int> teamIndexByFullName(std::string_view fullName) {
  for (int i = 0; i < 28; ++i)
    if (teamByIndex(i).fullName == fullName) return i;
  return std::nullopt;
}

}  // namespace quarven
