// Edits saved and read back. A ROM image (rom_patch.h), a team loaded after another one as the
// window loads them, then edits of every kind SAVE takes (save_edits.h) and a SAVE, with both
// options as the image input sets them. Promises checked, besides those of every load and save:
// - an unedited SAVE changes no byte, with team-name change on too;
// - valid edits are saved, and only the team's own places and the team-name block change;
// - every team loads afterwards as before, the edited team as the edits left the window;
// - a second, unedited SAVE of the reloaded team changes no byte;
// - a SAVE after one that failed part way (put back or not) saves what the window shows; SAVEs
//   between, with the options toggled, finish the half-written places and only those
//   (repair_checks.h);
// - a SAVE asks exactly when it would overwrite a byte another program changed since the load, and
//   again when it would overwrite one changed while its question was on screen (question_checks.h).

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "colours/colour_model.h"
#include "mishaps.h"
#include "question_checks.h"
#include "repair_checks.h"
#include "rom/codecs.h"
#include "rom/team_table.h"
#include "rom_patch.h"
#include "save/save_stages.h"
#include "save_edits.h"
#include "save_fixture.h"
#include "save_probe.h"
#include "synthetic_rom.h"

using namespace quarven;

namespace {

using Loads = std::array<TeamLoadResult, layout::kTeamCount>;

// Every team loaded on its own, as the first load after start-up.
Loads loadEveryTeam(MemoryRom& rom) {
  Loads loads;
  for (const TeamRow& row : teamTable()) loads[row.index] = fuzz::checkedLoad(rom, row.key, {}, {});
  return loads;
}

// Team `edited` loaded right after team `before`, which leaves its state and number texts behind.
TeamLoadResult loadAfter(MemoryRom& rom, int before, int edited) {
  const TeamLoadResult first = fuzz::checkedLoad(rom, teamByIndex(before).key, {}, {});
  return fuzz::checkedLoad(rom, teamByIndex(edited).key, first.state,
                           first.loaded() ? first.numberTexts : decltype(first.numberTexts){});
}

save::SaveInput windowAfter(const TeamLoadResult& load, const fuzz::FuzzImage& image) {
  save::SaveInput input = testing::saveInputFromLoad(load, image.teamNameChangeOn);
  input.abbrevChangeOn = image.abbrevChangeOn;
  return input;
}

// A load without the names given (what follows the last name is kLastNameTail), and without the
// bytes it read, which hold the names too.
constexpr int kLastNameTail = layout::kTeamCount;
TeamLoadResult withoutNames(TeamLoadResult load, std::initializer_list<int> names) {
  load.state.onDisk = {};
  for (const int k : names) {
    load.state.teamname[k].clear();
    load.state.teamnameBytes[k].clear();
  }
  return load;
}

bool sameLoad(const TeamLoadResult& a, const TeamLoadResult& b) {
  const auto rows = [](const TeamLoadResult& r) {
    std::vector<std::string> texts;
    for (const RosterRowTexts& row : r.rows) texts.insert(texts.end(), {row.number, row.name, row.r});
    return texts;
  };
  return std::tie(a.outcome, a.message, a.state, a.numberTexts, a.lineBoxes, a.abbreviation) ==
             std::tie(b.outcome, b.message, b.state, b.numberTexts, b.lineBoxes, b.abbreviation) &&
         rows(a) == rows(b);
}

// The reloaded window against what was saved.
void requireShowsEdits(const TeamLoadResult& reload, const TeamLoadResult& load,
                       const fuzz::EditedTeam& edited) {
  using fuzz::require;
  require(reload.loaded(), "the edited team no longer loads");
  const save::SaveInput& input = edited.input;
  for (int row = 0; row < load.state.playercount; ++row) {
    require(reload.rows[row].name == input.nameTexts[row],
            "a reloaded player name differs from the saved one");
    require(reload.rows[row].number == input.numberTexts[row],
            "a reloaded jersey number differs from the saved one");
  }
  require(reload.state.playerextra == load.state.playerextra, "the carried bytes of a player changed");
  for (int line = 0; line < layout::kLineCount; ++line)
    for (int box = 0; box < layout::kLineSlots[line]; ++box)
      require(reload.lineBoxes[line][box] == input.lineTexts[line][box],
              "a reloaded line box differs from the saved one");
  require(reload.abbreviation == codec::decodeAbbreviation(edited.abbrevField),
          "the reloaded abbreviation differs from the saved one");
  require(reload.text10() == edited.teamName, "the reloaded team name differs from the saved one");
  for (int slot = 0; slot < kSlotCount; ++slot)
    require(reload.state.colourWords[slot] == edited.colourWords[slot],
            edited.input.recoloured[slot] ? "a recoloured slot reads back another word"
                                          : "a colour slot nobody recoloured changed its word");
}

// Another program writes one byte into the image after the load. SAVE asks exactly when it would
// write another value over that byte; answered No it writes nothing (checkedSave), answered Yes it
// saves.
void checkSecondWriter(MemoryRom& rom, SelectedTeam& state, const save::SaveInput& input, std::uint32_t at,
                       std::uint8_t value) {
  if (at >= rom.size()) return;
  const bool changes = rom.bytes()[at] != value;
  rom.bytes()[at] = value;
  int questions = 0;
  const save::SaveResult first = fuzz::checkedSave(rom, state, input, {.questions = &questions});
  if (questions > 0) {
    fuzz::checkedSave(rom, state, input, {.answerYes = true, .questions = &questions});
    fuzz::require(questions == 2, "SAVE asked about an image changed on disk once, then no more");
  } else {
    fuzz::require(first.outcome == save::SaveOutcome::Saved || first.outcome == save::SaveOutcome::OverBudget,
                  "SAVE did not take valid edits");
  }
  fuzz::require((questions > 0) == (changes && rom.bytes()[at] != value),
                questions > 0 ? "SAVE asked, but wrote nothing over the other program's byte"
                              : "SAVE wrote over another program's byte unasked");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::vector<std::uint8_t> base = testing::SyntheticRom().bytes();
  const fuzz::EditInput parts = fuzz::splitEditInput({data, size});
  fuzz::FuzzImage image = fuzz::decodeImage(parts.image, base);
  MemoryRom rom(std::move(image.bytes));
  fuzz::FuzzReader script(parts.script);
  const int before = script.byte().value_or(0) % layout::kTeamCount;
  const int team = script.byte().value_or(0) % layout::kTeamCount;
  const fuzz::Mishap mishap = fuzz::readMishap(script, image, team);

  const Loads loadsBefore = loadEveryTeam(rom);
  const TeamLoadResult load = loadAfter(rom, before, team);
  if (!load.loaded()) return 0;

  // Unedited first: an image that cannot be saved as it shows is no ground for edits. `kept` holds
  // the image before each save (copied into, so a 1 MiB buffer is not made anew every time).
  const TeamRow& row = teamByIndex(team);
  std::vector<std::uint8_t> kept = rom.bytes();
  SelectedTeam state = load.state;
  if (fuzz::checkedSave(rom, state, windowAfter(load, image)).outcome != save::SaveOutcome::Saved) return 0;
  fuzz::require(rom.bytes() == kept, "an unedited SAVE changed the image, with team-name change on too");

  const fuzz::EditedTeam edited = fuzz::applyEdits(script, load, windowAfter(load, image));
  state = load.state;
  if (mishap.secondWrite) {
    checkSecondWriter(rom, state, edited.input, mishap.secondWrite->at, mishap.secondWrite->value);
    if (mishap.whileAsked) {
      std::copy(kept.begin(), kept.end(), rom.bytes().begin());
      fuzz::checkChangeWhileAsked(rom, load.state, edited.input, kept, mishap);
    }
    return 0;
  }

  // A write that fails: the image is put back, or the next SAVE writes every place in full. That one
  // has the window as edited, or as the load left it (the edits typed back).
  const fuzz::EditedTeam* shown = &edited;
  fuzz::EditedTeam asLoaded;
  save::HalfWritten half;
  if (mishap.failingWrite >= 0) {
    const save::SaveResult failed =
        fuzz::checkedSave(rom, state, edited.input, {mishap.failingWrite, mishap.putBackFails});
    if (failed.outcome == save::SaveOutcome::WriteFailed) {
      // A put-back that fails may still find a range as it was (the failed write changed nothing
      // there); checkedSave has made sure that a SAVE saying so left the image as it was.
      fuzz::require(failed.imageRestored || mishap.putBackFails, "a failed SAVE did not put the image back");
      half = save::halfWritten(state);
      if (mishap.windowAsLoaded) {
        fuzz::FuzzReader noEdits({});
        asLoaded = fuzz::applyEdits(noEdits, load, windowAfter(load, image));
        shown = &asLoaded;
      }
      if (image.savesAfterFailure)
        fuzz::checkSavesAfterFailure(rom, state, {load, kept, edited.input, mishap.failingWrite}, *shown,
                                     mishap);
    } else {
      std::copy(kept.begin(), kept.end(), rom.bytes().begin());  // no write failed: as if it never ran
      state = load.state;
    }
  }

  const save::SaveResult saved = fuzz::checkedSave(rom, state, shown->input);
  const save::SaveOutcome expected = fuzz::expectedOutcome(load.state, shown->input, half.records);
  fuzz::require(saved.outcome == expected, expected == save::SaveOutcome::Saved
                                               ? "SAVE did not take valid edits"
                                               : "SAVE took a roster over its budget");
  if (expected != save::SaveOutcome::Saved) return 0;
  fuzz::require(saved.teamNameBlockRefused != shown->blockFits,
                "the team-name block was refused or not as it fits");
  // With team-name change on, the names are written for a new name; after a failed SAVE that left
  // them half written, whatever the option.
  const bool namesWritten =
      (shown->input.teamNameChangeOn && shown->teamName != load.text10()) || half.teamNames;
  for (const std::uint32_t offset : testing::differingOffsets(kept, rom.bytes()))
    fuzz::require(testing::savePlace(row, offset, namesWritten),
                  "SAVE changed a byte outside the team's places, or the names with no name edited");

  const Loads loadsAfter = loadEveryTeam(rom);
  for (int k = 0; k < layout::kTeamCount; ++k) {
    if (k == team) continue;
    fuzz::require(sameLoad(withoutNames(loadsBefore[k], {team, kLastNameTail}),
                           withoutNames(loadsAfter[k], {team, kLastNameTail})),
                  "another team loads differently after the save");
  }
  fuzz::require(loadsAfter[team].loaded(), "the edited team no longer loads on its own");
  const TeamLoadResult reload = loadAfter(rom, before, team);
  requireShowsEdits(reload, load, *shown);

  std::copy(rom.bytes().begin(), rom.bytes().end(), kept.begin());
  state = reload.state;
  fuzz::require(fuzz::checkedSave(rom, state, windowAfter(reload, image)).outcome == save::SaveOutcome::Saved,
                "the reloaded team cannot be saved unedited");
  fuzz::require(rom.bytes() == kept, "a second, unedited SAVE changed the image");
  return 0;
}
