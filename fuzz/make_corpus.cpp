// Writes the seed corpora of the fuzz targets from the synthetic ROM builder:
//   make_corpus <folder>   fills <folder>/rom_image, <folder>/rom_edit and <folder>/save_text
// Image seeds are builder images with one damage each, written as patches over the plain image;
// edit seeds some of them with the damaged team edited once in every way, or not at all; text
// seeds are a few teams as their loads left the window, with typical bad edits.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "rom/rom_layout.h"
#include "rom/team_load.h"
#include "rom/team_table.h"
#include "rom_patch.h"
#include "save_edits.h"
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

const std::vector<ImageSeed>& imageSeeds() {
  static const std::vector<ImageSeed> seeds = {
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
      // Team-name blocks SAVE would not lay out so, saved with team-name change on.
      {"team-names-filler-ff",
       [] {
         SyntheticRom rom;
         for (int k = 248; k < 261; ++k) rom.nameBlockByte(k, 0xFF);
         return rom;
       },
       fuzz::kTeamNameChange},
      {"team-names-odd-pointers",
       [] {
         return SyntheticRom()
             .poke(layout::pointerLowByte(3) + 1, {0x00})
             .poke(layout::pointerLowByte(9), {0x42})
             .poke(layout::pointerLowByte(27) + 1, {0x00});
       },
       fuzz::kTeamNameChange},
      {"team-names-end-at-last-byte",  // the 28th terminator is the 261st byte
       [] { return SyntheticRom().teamNameBytes("Kings", std::vector<std::uint8_t>(18, 'K')); },
       fuzz::kTeamNameChange},
      {"team-names-26", [] { return SyntheticRom().nameBlockByte(12, ' ').nameBlockByte(19, ' '); }},
      {"roster-over-budget", [] { return SyntheticRom().recordsOverBudget("Sabres", 1); }},
  };
  return seeds;
}

const std::vector<std::uint8_t>& plainImage() {
  static const std::vector<std::uint8_t> base = SyntheticRom().bytes();
  return base;
}

std::vector<std::uint8_t> encodedSeed(const char* name, std::uint8_t moreFlags = 0) {
  for (const ImageSeed& seed : imageSeeds())
    if (std::string(seed.name) == name)
      return fuzz::encodeImage(plainImage(), seed.build().bytes(), seed.flags | moreFlags);
  throw std::invalid_argument(name);
}

void writeImageSeeds(const std::filesystem::path& folder) {
  for (const ImageSeed& seed : imageSeeds()) writeSeed(folder, seed.name, encodedSeed(seed.name));

  std::vector<std::uint8_t> shortImage = testing::noiseImage(0x300, 7);
  shortImage[layout::kSignatureOffset] = layout::kSignatureValue;
  shortImage.insert(shortImage.begin(), fuzz::kRawImage);
  writeSeed(folder, "raw-short", shortImage);
  writeSeed(folder, "raw-empty", {fuzz::kRawImage});
}

// An image with a line slot past its team's roster pointing at a row that the team loaded before
// leaves behind, and that team; `matching`: a row whose number one of the team's players wears too.
std::pair<SyntheticRom, const TeamRow*> slotBeyondRoster(bool matching) {
  const SyntheticRom rom;
  for (const TeamRow& team : teamTable()) {
    const TeamRow& before = teamByIndex((team.index + 27) % 28);
    for (int row = team.playerCount; row < before.playerCount; ++row) {
      bool worn = false;
      for (const auto& player : rom.team(team.index).players)
        worn = worn || player.number == rom.team(before.index).players[row].number;
      if (worn == matching)
        return {SyntheticRom().lineSlot(team.index, 2, 3, static_cast<std::uint8_t>(row + 1)), &team};
    }
  }
  throw std::invalid_argument("no such line slot");
}

void writeEditSeeds(const std::filesystem::path& folder) {
  struct EditSeed {
    std::string name;
    std::vector<std::uint8_t> image;
    int team;
  };
  const auto seed = [](const char* image, const char* team, std::uint8_t flags = 0) {
    return EditSeed{image, encodedSeed(image, flags), findTeamByKey(team)->index};
  };
  const auto beyondRoster = [](bool matching) {
    const auto [rom, team] = slotBeyondRoster(matching);
    return EditSeed{matching ? "slot-beyond-roster-matching" : "slot-beyond-roster-unmatched",
                    fuzz::encodeImage(plainImage(), rom.bytes(), 0), team->index};
  };
  const std::vector<EditSeed> seeds = {
      seed("plain", "Kings"),
      seed("plain", "All Stars West", fuzz::kTeamNameChange),
      seed("abbrev-off", "Mighty Ducks", fuzz::kTeamNameChange),
      seed("line-slots-out-of-roster", "Flyers"),
      seed("colour-without-key", "Jets"),
      seed("name-byte-outside-set", "Sharks"),
      seed("abbrev-odd-bytes", "Devils"),
      seed("team-name-outside-set", "Oilers", fuzz::kTeamNameChange),
      beyondRoster(true),
      beyondRoster(false),
  };
  // A name of 12 letters, a number, a line box, two abbreviation letters (one typed in lower case),
  // a team name of 8 letters and a recolour on each side; each edit with its arguments.
  using namespace fuzz;
  const std::vector<std::vector<std::uint8_t>> everyEdit = {
      {kName, 1, 12, 0, 5, 30, 31, 27, 40, 8, 11, 52, 2, 9, 17},
      {kNumber, 2, 0x42},
      {kLine, 0, 1, 2},
      {kAbbrev, 2, 0x81, 2},
      {kTeamName, 7, 14, 36, 3, 26, 45, 0, 17, 52},
      {kRecolour, 3, 0x10, 0},
      {kRecolour, 15, 0x48, 0},
  };
  const auto teamsOf = [](int team) {
    return std::vector<std::uint8_t>{static_cast<std::uint8_t>((team + 27) % 28),
                                     static_cast<std::uint8_t>(team)};
  };
  const auto withEveryEdit = [&](std::vector<std::uint8_t> script, bool name = true) {
    for (const auto& edit : everyEdit)
      if (name || edit[0] != kTeamName) script.insert(script.end(), edit.begin(), edit.end());
    return script;
  };
  for (const EditSeed& seed : seeds) {
    const std::string name = seed.name + "-" + std::to_string(seed.team);
    writeSeed(folder, name + "-unedited", fuzz::joinEditInput(seed.image, teamsOf(seed.team)));
    writeSeed(folder, name + "-every-edit",
              fuzz::joinEditInput(seed.image, withEveryEdit(teamsOf(seed.team))));
  }

  // Every edit saved while a write fails (the records' with team-name change off, the block's with
  // it on), put back or not, then saved again as edited or with the edits typed back; the stored
  // roster over budget; the odd team-name blocks with every edit but the name's.
  const std::vector<std::tuple<std::string, EditSeed, std::vector<std::uint8_t>, int>> mishaps = {
      {"write-fails-put-back", seed("plain", "Kings", fuzz::kFailingWrite), {21, 0}, true},
      {"write-fails-not-put-back", seed("plain", "Kings", fuzz::kFailingWrite), {21, 1}, true},
      {"write-fails-typed-back", seed("plain", "Kings", fuzz::kFailingWrite), {21, 3}, true},
      {"block-write-fails-typed-back",
       seed("team-names-filler-ff", "Bruins", fuzz::kFailingWrite),
       {20, 3},
       true},
      {"roster-over-budget-write-fails",
       seed("roster-over-budget", "Sabres", fuzz::kFailingWrite),
       {0, 3},
       true},
      {"second-writer-names", seed("team-names-on", "Bruins", fuzz::kSecondWriter), {0, 100, 0, 'Q'}, true},
      {"second-writer-lines", seed("plain", "Bruins", fuzz::kSecondWriter), {1, 3, 0, 0xEE}, false},
      {"second-writer-abbrev", seed("plain", "Kings", fuzz::kSecondWriter), {2, 2, 0, 'Q'}, false},
      {"second-writer-home", seed("plain", "Kings", fuzz::kSecondWriter), {3, 5, 0, 0x7F}, true},
      {"second-writer-away-unwritten", seed("plain", "Kings", fuzz::kSecondWriter), {4, 0, 0, 0x7F}, true},
  };
  // A change or a rename while SAVE asks about the second writer's (mode, then the write: place,
  // offset, value), Kings edited in every way; SAVEs with the options toggled after one that failed
  // and could not put back (count, options, then another program's write into a byte left half
  // written: kind, which, value), every edit (but the team name's where noted).
  constexpr std::uint8_t kAsked = fuzz::kSecondWriter | fuzz::kWhileAsked;
  constexpr std::uint8_t kAfter = fuzz::kFailingWrite | fuzz::kSavesAfterFailure;
  constexpr std::uint8_t kNamesOn = fuzz::kTeamNameChange;
  using Script = std::vector<std::uint8_t>;
  const std::vector<std::pair<const char*, Script>> asked = {
      {"asked-then-line-changed-no", {3, 5, 0, 0x7F, 0, 1, 3, 0, 0xEE}},
      {"asked-then-line-changed-yes", {3, 5, 0, 0x7F, 2, 1, 3, 0, 0xEE}},
      {"asked-then-same-byte", {3, 5, 0, 0x7F, 0, 3, 5, 0, 0x3E}},
      {"asked-then-renamed", {3, 5, 0, 0x7F, 3, 1, 3, 0, 0xEE}},
      {"asked-then-renamed-unwritten", {3, 5, 0, 0x7F, 1, 4, 0, 0, 0x7F}},
  };
  struct After {
    const char* name;
    const char* image;
    const char* team;
    std::uint8_t flags;
    Script mishap;
    bool teamName = true;
  };
  const std::vector<After> after = {
      {"pointers-fail-then-names-off-on", "plain", "Kings", kNamesOn, {21, 1, 2, 2, 3, 0, 0, 0, 0}},
      {"pointers-fail-then-typed-back-off-on", "plain", "Kings", kNamesOn, {21, 3, 2, 2, 3, 0, 0, 0, 0}},
      {"filler-block-fails-then-names-off-on",
       "team-names-filler-ff",
       "Bruins",
       0,
       {20, 3, 2, 2, 3, 0, 0, 0, 0}},
      {"abbrev-fails-then-abbrev-off", "plain", "Kings", 0, {20, 1, 1, 0, 0, 0, 0, 0}},
      {"records-fail-then-tried-value", "plain", "Kings", 0, {21, 3, 1, 3, 2, 3, 0, 0}},
      {"records-fail-then-filler-block-on",
       "team-names-filler-ff",
       "Bruins",
       0,
       {21, 3, 2, 3, 1, 0, 0, 0, 0},
       false},
      {"records-fail-then-value-before", "plain", "Kings", 0, {21, 1, 0, 1, 3, 0, 0}},
      {"records-fail-then-other-value", "plain", "Kings", 0, {21, 1, 0, 3, 1, 0, 0xA8}},
      {"over-budget-fails-then-toggles",
       "roster-over-budget",
       "Sabres",
       0,
       {3, 1, 3, 0, 3, 1, 3, 0, 0, 0xA8}},
      {"odd-record-names-fail-then-typed-back",
       "record-length-one",
       "Kings",
       kNamesOn,
       {21, 3, 2, 2, 3, 0, 0, 0, 0}},
      {"over-budget-names-fail-then-typed-back",
       "roster-over-budget",
       "Sabres",
       kNamesOn,
       {21, 3, 1, 2, 0, 0, 0, 0}},
  };
  std::vector<std::tuple<std::string, EditSeed, Script, int>> later = {
      {"asked-then-names-changed",
       seed("team-names-on", "Bruins", kAsked),
       {0, 100, 0, 'Q', 0, 0, 40, 0, 'Z'},
       1}};
  for (const auto& [name, script] : asked)
    later.emplace_back(name, seed("plain", "Kings", kAsked), script, 1);
  for (const After& a : after)
    later.emplace_back(a.name, seed(a.image, a.team, kAfter | a.flags), a.mishap, a.teamName ? 1 : 2);
  later.insert(later.end(), mishaps.begin(), mishaps.end());
  for (const auto& [name, seed, mishap, edited] : later) {
    std::vector<std::uint8_t> script = teamsOf(seed.team);
    script.insert(script.end(), mishap.begin(), mishap.end());
    writeSeed(folder, name,
              fuzz::joinEditInput(seed.image, edited > 0 ? withEveryEdit(script, edited == 1) : script));
  }
  for (const char* odd : {"team-names-filler-ff", "team-names-odd-pointers", "team-names-end-at-last-byte",
                          "roster-over-budget"}) {
    const EditSeed s = seed(odd, odd == std::string("roster-over-budget") ? "Sabres" : "Canucks");
    writeSeed(folder, std::string(odd) + "-unnamed-edits",
              fuzz::joinEditInput(s.image, withEveryEdit(teamsOf(s.team), false)));
  }
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
  writeEditSeeds(root / "rom_edit");
  writeTextSeeds(root / "save_text");
  return 0;
}
