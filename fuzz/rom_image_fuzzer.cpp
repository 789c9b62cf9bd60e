// Any bytes as a ROM image: the signature check, a load of every team in toolbar order with the
// state carried from one load to the next as the window carries it, and for each team that loads
// a SAVE of what the load showed. The input format is described in rom_patch.h.

#include <cstddef>
#include <cstdint>

#include "rom/rom_check.h"
#include "rom/team_table.h"
#include "rom_patch.h"
#include "save_fixture.h"
#include "save_probe.h"
#include "synthetic_rom.h"

using namespace quarven;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> base = testing::SyntheticRom().bytes();
  fuzz::FuzzImage image = fuzz::decodeImage({data, size}, base);
  MemoryRom rom(std::move(image.bytes));

  const SignatureCheck check = checkSignature(rom);
  fuzz::require(check.accepted == (check.byte == layout::kSignatureValue),
                "signature check disagrees with its byte");

  SelectedTeam state;
  std::array<std::string, layout::kMaxPlayers> shown;
  for (const TeamRow& row : teamTable()) {
    const TeamLoadResult load = fuzz::checkedLoad(rom, row.key, state, shown);
    state = load.state;
    if (!load.loaded()) continue;
    shown = load.numberTexts;
    save::SaveInput input = testing::saveInputFromLoad(load, image.teamNameChangeOn);
    input.abbrevChangeOn = image.abbrevChangeOn;
    fuzz::checkedSave(rom, state, input);
  }
  return 0;
}
