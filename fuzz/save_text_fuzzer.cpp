// Any texts in the boxes SAVE reads: the player-name, team-name and abbreviation codecs character
// by character, the checks a save makes before it opens the ROM image, and the SAVE itself on the
// synthetic builder's image. The input format is described in save_text_format.h.

#include <array>
#include <cstddef>
#include <cstdint>

#include "colours/colour_word_table.h"
#include "rom/codecs.h"
#include "rom/team_table.h"
#include "save/save_validation.h"
#include "save_fixture.h"
#include "save_probe.h"
#include "save_text_format.h"
#include "synthetic_rom.h"

using namespace quarven;

namespace {

struct Loaded {
  std::vector<std::uint8_t> image = testing::SyntheticRom().bytes();
  std::array<SelectedTeam, layout::kTeamCount> states;
  std::array<save::SaveInput, layout::kTeamCount> inputs;
  Loaded() {
    MemoryRom rom(image);
    for (const TeamRow& row : teamTable()) {
      const TeamLoadResult load = loadTeam(rom, row.key, SelectedTeam());
      states[row.index] = load.state;
      inputs[row.index] = testing::saveInputFromLoad(load, false);
    }
  }
};

// A character a codec encodes decodes to itself again.
template <typename Encode, typename Decode>
void roundTrips(std::string_view text, Encode encode, Decode decode, const char* what) {
  for (const std::string& character : codec::splitCharacters(text))
    if (const auto byte = encode(character)) fuzz::require(decode(*byte) == character, what);
}

void exerciseCodecs(const save::SaveInput& input) {
  for (const std::string& name : input.nameTexts)
    roundTrips(name, codec::encodePlayerLetter, codec::decodePlayerLetter,
               "player letter does not round-trip");
  roundTrips(input.teamNameText, codec::encodeTeamLetter, codec::decodeTeamLetter,
             "team letter does not round-trip");
  roundTrips(codec::upperCaseAscii(input.abbrevText), codec::encodeAbbrevLetter, codec::decodeAbbrevLetter,
             "abbreviation letter does not round-trip");
  for (const auto& line : input.lineTexts)
    for (const std::string& box : line) {
      const auto characters = codec::splitCharacters(box);
      fuzz::require(characters.size() == codec::characterCount(box), "character count disagrees with split");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const Loaded loaded;
  const fuzz::SaveTextCase c = fuzz::decodeSaveText({data, size}, loaded.inputs);
  exerciseCodecs(c.input);

  SelectedTeam team = loaded.states[c.teamIndex];
  const save::PlanResult plan =
      save::prepareSave(team, c.input, colours::editthecolor(c.input.sampleColours));
  MemoryRom rom(loaded.image);
  const save::SaveResult result = fuzz::checkedSave(rom, team, c.input);

  using save::SaveOutcome;
  if (save::checkTeamNameLength(c.input.teamNameText))
    fuzz::require(result.outcome == SaveOutcome::TeamNameRefused, "bad team name length not refused");
  else if (!plan.plan)
    fuzz::require(result.outcome == SaveOutcome::InputRefused, "text the checks refuse was saved");
  else
    fuzz::require(result.outcome != SaveOutcome::InputRefused, "text the checks accept was refused");
  return 0;
}
