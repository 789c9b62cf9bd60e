// The uniform figures' colours after a team load: each colour slot's text is looked up in the
// colour key table and the slot's part group painted with the colour found, or with the colour
// the slot kept from the load before when the table has no row for the text.

#include "colours/colour_key_table.h"
#include "ui/form1.h"
#include "ui/uniform_tabs.h"

namespace quarven::ui {

namespace {

void fillSide(UniformTabs& tabs, Side side, const std::array<std::string, 10>& colourTexts,
              std::array<std::uint32_t, 10>& displayColours) {
  colours::fillDisplayColours(colourTexts, displayColours);
  for (int part = 0; part < static_cast<int>(displayColours.size()); ++part)
    tabs.paintPartGroup(side, part, displayColours[static_cast<std::size_t>(part)]);
}

}  // namespace

void Form1::fillhomecolor(const std::array<std::string, 10>& homecolortext) {
  fillSide(*SSTab1, Side::Home, homecolortext, homedisplaycolor);
}

void Form1::fillawaycolor(const std::array<std::string, 10>& awaycolortext) {
  fillSide(*SSTab1, Side::Away, awaycolortext, awaydisplaycolor);
}

}  // namespace quarven::ui
