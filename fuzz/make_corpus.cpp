// Writes the seed corpora of the fuzz targets from the synthetic ROM builder:
//   make_corpus <folder>   fills <folder>/rom_image and <folder>/save_text
// Image seeds are builder images with one damage each, written as patches over the plain image;
// text seeds are a few teams as their loads left the window, with typical bad edits.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "rom/team_load.h"
#include "rom/team_table.h"
#include "rom_patch.h"
#include "save_fixture.h"
#include "save_text_format.h"
#include "synthetic_rom.h"

using namespace quarven;
using testing::SyntheticRom;

namespace {

void writeSeed(const std::filesystem::path& folder, const std::string& name,
               const std::vector<std::uint8_t>& bytes) {
  std::filesystem::create_directories(folder);
  std::ofstream(folder / name, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct ImageSeed {
  const char* name;
  std::function<SyntheticRom()> build;
  std::uint8_t flags = 0;
};

void writeImageSeeds(const std::filesystem::path& folder) {
  const std::vector<std::uint8_t> base = SyntheticRom().bytes();
  const std::vector<ImageSeed> seeds = {
      {"plain", [] { return SyntheticRom(); }},
      {"team-names-on", [] { return SyntheticRom(); }, fuzz::kTeamNameChange},
      {"abbrev-off", [] { return SyntheticRom(); }, fuzz::kAbbrevChangeOff},
      {"record-length-zero", [] { return SyntheticRom().recordLengthByte("Bruins", 3, 0); }},
      {"record-length-thirty", [] { return SyntheticRom().recordLengthByte(0, 0, 30); }},
      {"record-length-one", [] { return SyntheticRom().recordLengthByte("Kings", 23, 1); }},
      {"terminator-29th", [] { return SyntheticRom().nameBlockByte(258, 0x00); }},
      {"terminator-early", [] { return SyntheticRom().nameBlockByte(5, 0x00); }},
      {"truncated-in-names", [] { return SyntheticRom().truncate(0xE1900); }},
      {"truncated-in-palettes", [] { return SyntheticRom().truncate(0xB4F60); }},
      {"signature-wrong", [] { return SyntheticRom().signature(0x00); }},
      {"name-byte-outside-set",
       [] {
         return SyntheticRom().playerNameBytes("Sharks", 2, {0x1B, 0x41, 0xFF});
       }},
      {"abbrev-odd-bytes",
       [] {
         return SyntheticRom().abbrevBytes("Devils", {0x00, 0x2E, 0x7F});
       }},
      {"line-slots-out-of-roster",
       [] { return SyntheticRom().lineSlot("Flyers", 0, 1, 0).lineSlot("Flyers", 6, 4, 255); }},
      {"colour-without-key",
       [] { return SyntheticRom().homeWord("Jets", 3, 0x7FFF).awayWord("Jets", 9, 0x0001); }},
      {"team-name-outside-set",
       [] {
         return SyntheticRom().teamNameBytes("Oilers", {0x01, 0x80, 0x5F});
       }},
  };
  for (const ImageSeed& seed : seeds)
    writeSeed(folder, seed.name, fuzz::encodeImage(base, seed.build().bytes(), seed.flags));

  std::vector<std::uint8_t> shortImage = testing::noiseImage(0x300, 7);
  shortImage[layout::kSignatureOffset] = layout::kSignatureValue;
  shortImage.insert(shortImage.begin(), fuzz::kRawImage);
  writeSeed(folder, "raw-short", shortImage);
  writeSeed(folder, "raw-empty", {fuzz::kRawImage});
}

void writeTextSeeds(const std::filesystem::path& folder) {
  MemoryRom rom = SyntheticRom().memoryRom();
  const auto loaded = [&](const char* key) {
    const TeamLoadResult load = loadTeam(rom, key, SelectedTeam());
    return fuzz::SaveTextCase{load.state.teamIndex, testing::saveInputFromLoad(load, false)};
  };
  const std::vector<std::pair<const char*, std::function<void(fuzz::SaveTextCase&)>>> seeds = {
      {"unedited", [](auto&) {}},
      {"team-name-change",
       [](auto& c) {
         c.input.teamNameChangeOn = true;
         c.input.teamNameText = "Frozen_Lake. Quarks";
       }},
      {"team-name-too-long", [](auto& c) { c.input.teamNameText = "ABCDEFGHIJKLMNOPQRSTU"; }},
      {"team-name-umlaut",
       [](auto& c) {
         c.input.teamNameChangeOn = true;
         c.input.teamNameText = "K\xC3\xB6ln";
       }},
      {"abbrev-lower", [](auto& c) { c.input.abbrevText = "ab."; }},
      {"abbrev-off",
       [](auto& c) {
         c.input.abbrevChangeOn = false;
         c.input.abbrevText = "TOOLONG";
       }},
      {"name-27", [](auto& c) { c.input.nameTexts[0] = std::string(27, 'x'); }},
      {"name-apostrophe", [](auto& c) { c.input.nameTexts[1] = "O'Reilly Jr."; }},
      {"number-letters", [](auto& c) { c.input.numberTexts[2] = "1A"; }},
      {"line-unknown-number", [](auto& c) { c.input.lineTexts[3][2] = "77"; }},
      {"colour-off-table", [](auto& c) { c.input.sampleColours[4] = 0x123456; }},
  };
  const char* teams[] = {"Kings", "Mighty Ducks", "All Stars West"};
  for (const char* team : teams)
    for (const auto& [name, edit] : seeds) {
      fuzz::SaveTextCase c = loaded(team);
      edit(c);
      std::string file = std::string(name) + "-" + std::to_string(c.teamIndex);
      writeSeed(folder, file, fuzz::encodeSaveText(c));
    }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  writeImageSeeds(root / "rom_image");
  writeTextSeeds(root / "save_text");
  return 0;
}
