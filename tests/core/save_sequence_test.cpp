// SAVEs in a row on a real file, with another program writing to it (before a SAVE, while it asks,
// while it writes), writes that fail with or without their put-back, the answers to the question
// and the edit options toggled between SAVEs: the file holds what the user saved and nothing else.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>

#include "case_name.h"
#include "rom/rom_layout.h"
#include "save/save_pipeline.h"
#include "save_fixture.h"
#include "temp_rom_file.h"

namespace quarven::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;
using save::SaveOutcome;

struct Sequence {
  const SyntheticRom& source;
  SaveFixture f;
  TempRomFile file;
  save::SaveInput loaded;  // the window right after the load
  Bytes kept;              // the file as `keep` last found it
};
using Step = std::function<void(Sequence&)>;

Step edit(std::function<void(save::SaveInput&)> change) {
  return [=](Sequence& s) { change(s.f.input); };
}
// Every text and colour back as loaded; the options stay as they are.
Step typedBack() {
  return [](Sequence& s) {
    const save::SaveInput now = s.f.input;
    s.f.input = s.loaded;
    s.f.input.teamNameChangeOn = now.teamNameChangeOn, s.f.input.abbrevChangeOn = now.abbrevChangeOn;
  };
}
Step options(bool teamNames, bool abbrev) {
  return edit([=](save::SaveInput& in) { in.teamNameChangeOn = teamNames, in.abbrevChangeOn = abbrev; });
}
// Another program writes into the file in place.
Step outside(std::uint32_t offset, Bytes bytes) {
  return [=](Sequence& s) {
    std::fstream out(s.file.path(), std::ios::in | std::ios::out | std::ios::binary);
    out.seekp(offset);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  };
}
// Another program writes a copy of the file, with a byte of its own, and renames it over the file.
Step renamedOver(std::uint32_t offset, std::uint8_t value) {
  return [=](Sequence& s) {
    Bytes copy = s.file.contents();
    copy[offset] = value;
    const auto temp = s.file.path().string() + ".new";
    std::ofstream(temp, std::ios::binary).write(reinterpret_cast<const char*>(copy.data()), copy.size());
    std::filesystem::rename(temp, s.file.path());
  };
}
// Keeps the file's bytes, and sets its time long past, so that any write or reservation shows.
Step keep() {
  return [](Sequence& s) {
    s.kept = s.file.contents();
    const timespec past[2] = {{1000000000, 0}, {1000000000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, s.file.pathText().c_str(), past, 0), 0);
  };
}
Step fileIsKept() {
  return [](Sequence& s) { EXPECT_EQ(differingOffsets(s.kept, s.file.contents()).size(), 0u); };
}
Step fileUntouched() {
  return [](Sequence& s) {
    fileIsKept()(s);
    struct stat st {};
    ASSERT_EQ(::stat(s.file.pathText().c_str(), &st), 0);
    EXPECT_EQ(st.st_mtim.tv_sec, 1000000000) << "the file's time moved";
  };
}
Step bytesAre(std::uint32_t offset, Bytes bytes) {
  return [=](Sequence& s) {
    const Bytes now = s.file.contents();
    EXPECT_EQ(Bytes(now.begin() + offset, now.begin() + offset + bytes.size()), bytes) << std::hex << offset;
  };
}
// The team loads from the file with the window's names and team name.
Step reloadShowsTheWindow() {
  return [](Sequence& s) {
    FileRomOpener opener(s.file.pathText());
    const TeamLoadResult reload = loadTeam(opener, s.f.row->key, {});
    ASSERT_EQ(reload.outcome, TeamLoadOutcome::Loaded) << reload.message;
    EXPECT_EQ(saveInputFromLoad(reload, false).nameTexts, s.f.input.nameTexts);
    EXPECT_EQ(reload.text10(), s.f.input.teamNameText);
  };
}
// The file holds what one SAVE of the window without mishaps makes of the image as first loaded.
Step sameAsOneSave(bool teamNames) {
  return [=](Sequence& s) {
    SaveFixture clean = makeSaveFixture(s.f.row->key, teamNames, s.source);
    clean.input = s.f.input;
    clean.input.teamNameChangeOn = teamNames;
    MemoryOpener opener(clean.rom);
    RecordingMessenger messenger;
    ASSERT_EQ(save::runSave(opener, clean.team, clean.input, messenger).outcome, save::SaveOutcome::Saved);
    EXPECT_EQ(differingOffsets(clean.rom.bytes(), s.file.contents()).size(), 0u);
  };
}
Step loadOtherTeam(const char* key) {
  return [=](Sequence& s) {
    FileRomOpener opener(s.file.pathText());
    const TeamLoadResult load = loadTeam(opener, key, s.f.team);
    ASSERT_EQ(load.outcome, TeamLoadOutcome::Loaded);
    s.f.team = load.state;
    s.f.row = findTeamByKey(key);
    s.f.input = s.loaded = saveInputFromLoad(load, s.f.input.teamNameChangeOn);
  };
}

struct Conditions {
  int failingWrite = -1;
  bool putBackFails = false;
  std::deque<bool> answers = {};  // Yes is true
  int questions = 0;              // how many SAVE asks
  Step whileAsking = {};
  int replacedBeforeWrite = -1;  // the file is renamed over before this write
};
Step save(SaveOutcome outcome, Conditions c = {}) {
  return [=](Sequence& s) {
    FaultyFileOpener opener(s.file.pathText());
    opener.failingWrite = c.failingWrite;
    opener.laterWritesFail = c.putBackFails;
    opener.beforeWrite = [&](int n) {
      if (n == c.replacedBeforeWrite) renamedOver(0, s.file.contents()[0])(s);
    };
    RecordingMessenger messenger;
    messenger.answers = c.answers;
    messenger.onAsk = [&] {
      if (c.whileAsking) c.whileAsking(s);
    };
    const save::SaveResult result = save::runSave(opener, s.f.team, s.f.input, messenger);
    EXPECT_EQ(result.outcome, outcome) << (messenger.texts.empty() ? "" : messenger.texts.back());
    EXPECT_EQ(messenger.questions, c.questions);
    EXPECT_FALSE(opener.isOpen);
    EXPECT_EQ(outcome == SaveOutcome::Saved, s.f.team.unfinished.empty() && !messenger.texts.empty() &&
                                                 messenger.texts.back() == "Your changes have been saved.");
  };
}

struct Case {
  const char* name;
  SyntheticRom source;
  const char* team;
  bool teamNames;
  std::vector<Step> steps;
};

const TeamRow& kings = *findTeamByKey("Kings");
const TeamRow& bruins = *findTeamByKey("Bruins");
const std::uint32_t kBlockTail = layout::kTeamNameBlockOffset + 248;  // the 13 filler bytes
const Step kNameEdited = edit([](save::SaveInput& in) { in.nameTexts[0] = "Changed"; });
const Step kOverBudget = [](Sequence& s) { rosterNeeds(s.f, 1); };

std::vector<Case> cases() {
  const std::uint32_t kingsLine = layout::lineSlot(kings.firstRecord, 6, 4);
  const std::uint32_t kingsRecord5 = kings.firstRecord + 60;  // within a later record
  const std::uint32_t bruinsEnd = bruins.firstRecord + SyntheticRom().team("Bruins").recordBytes();
  const Bytes filler(13, 0xFF);
  return {
      // While the question is on screen the image is closed; after Yes SAVE works on the file then
      // at the path, and asks again about what changed since it asked.
      {"RenamedOverWhileAsking",
       SyntheticRom(),
       "Kings",
       false,
       {outside(kings.abbrevOffset + 2, {'Q'}), kNameEdited,
        save(SaveOutcome::Saved, {.answers = {true},
                                  .questions = 1,
                                  .whileAsking = renamedOver(layout::kTeamNameBlockOffset, 'q')}),
        reloadShowsTheWindow(), bytesAre(layout::kTeamNameBlockOffset, {'q'})}},
      {"ChangedAgainWhileAsking",
       SyntheticRom(),
       "Kings",
       false,
       {outside(kings.abbrevOffset + 2, {'Q'}), kNameEdited,
        save(SaveOutcome::ChangedOnDisk,
             {.answers = {true, false}, .questions = 2, .whileAsking = outside(kingsLine, {9})}),
        bytesAre(kingsLine, {9}), bytesAre(kings.abbrevOffset + 2, {'Q'})}},
      {"RenamedOverWhileWriting",
       SyntheticRom(),
       "Kings",
       false,
       {kNameEdited, keep(), save(SaveOutcome::Replaced, {.replacedBeforeWrite = 5}), fileIsKept(),
        save(SaveOutcome::Saved), reloadShowsTheWindow()}},
      // No: not a byte, nor the file's time, changes.
      {"AnsweredNo",
       SyntheticRom(),
       "Kings",
       false,
       {outside(kings.abbrevOffset, {'Q'}), kNameEdited, keep(),
        save(SaveOutcome::ChangedOnDisk, {.questions = 1}), fileUntouched()}},
      {"ChangeInAnEditedRosterAsks",
       SyntheticRom(),
       "Kings",
       false,
       {kNameEdited, outside(kingsRecord5, {'#'}), keep(), save(SaveOutcome::ChangedOnDisk, {.questions = 1}),
        fileUntouched()}},
      {"OverBudgetAsksNothingAboutWhatItDoesNotWrite",
       SyntheticRom(),
       "Kings",
       false,
       {kOverBudget, outside(kingsRecord5, {'#'}), outside(kingsLine, {9}),
        outside(kings.abbrevOffset, {'Q'}), save(SaveOutcome::OverBudget)}},
      // After a failed save that could not put back: what it never touched follows the usual rules.
      {"UntouchedFillerStaysWhenTeamNameChangeIsTurnedOn",
       SyntheticRom().poke(kBlockTail, filler),
       "Bruins",
       false,
       {edit([](save::SaveInput& in) { in.abbrevText = "ZZ"; }),
        save(SaveOutcome::WriteFailed, {.failingWrite = 20, .putBackFails = true}), options(true, true),
        typedBack(), save(SaveOutcome::Saved), bytesAre(kBlockTail, filler)}},
      {"UntouchedOddRosterStays",
       SyntheticRom().poke(bruins.firstRecord + 1, {1}).poke(bruinsEnd, {0xAB, 0xCD}),
       "Bruins",
       false,
       {keep(), edit([](save::SaveInput& in) { in.abbrevText = "ZZ"; }),
        save(SaveOutcome::WriteFailed, {.failingWrite = 20, .putBackFails = true}), typedBack(),
        save(SaveOutcome::Saved), fileIsKept()}},
      {"UntouchedRosterOverBudgetHoldsNothingBack",
       SyntheticRom().recordsOverBudget("Sabres", 1),
       "Sabres",
       false,
       {edit([](save::SaveInput& in) { in.abbrevText = "ZZ"; }),
        save(SaveOutcome::WriteFailed, {.failingWrite = 20, .putBackFails = true}),
        save(SaveOutcome::Saved)}},
      // Half-written team names are finished from the window, whatever the option.
      {"HalfWrittenNamesFinishedWithTeamNameChangeOff",
       SyntheticRom(),
       "Bruins",
       true,
       {edit([](save::SaveInput& in) { in.teamNameText = "BEES"; }),
        save(SaveOutcome::WriteFailed, {.failingWrite = 21, .putBackFails = true}), options(false, true),
        save(SaveOutcome::Saved), sameAsOneSave(true)}},
      {"HalfWrittenNamesFinishedWithTheLoadedNameTypedBack",
       SyntheticRom(),
       "Bruins",
       true,
       {keep(), edit([](save::SaveInput& in) { in.teamNameText = "BEES"; }),
        save(SaveOutcome::WriteFailed, {.failingWrite = 21, .putBackFails = true}), options(false, true),
        save(SaveOutcome::Saved), options(true, true), typedBack(), save(SaveOutcome::Saved), fileIsKept()}},
      // A byte the failed save tried: either value is known, any other asks.
      {"TriedByteWithAThirdValueAsks",
       SyntheticRom(),
       "Kings",
       false,
       {kNameEdited, save(SaveOutcome::WriteFailed, {.failingWrite = 21, .putBackFails = true}),
        outside(layout::homePalette(kings.index) + layout::slotByte(1), {0xA8}),
        save(SaveOutcome::ChangedOnDisk, {.questions = 1})}},
      // Names written, then another program lays the filler out again: another team's SAVE leaves it.
      {"FillerPutBackAfterNamesWereWrittenStaysForTheNextTeam",
       SyntheticRom(),
       "Bruins",
       true,
       {edit([](save::SaveInput& in) { in.teamNameText = "BEES"; }), save(SaveOutcome::Saved),
        outside(kBlockTail, filler), loadOtherTeam("Kings"), keep(), save(SaveOutcome::Saved), fileIsKept()}},
      {"LoadedNameOutsideTheSetComesBack",
       SyntheticRom().teamNameBytes("Bruins", {0x42, 0xAB, 0x1B, 0x53}),
       "Bruins",
       true,
       {keep(), edit([](save::SaveInput& in) { in.teamNameText = "BEES"; }), save(SaveOutcome::Saved),
        typedBack(), save(SaveOutcome::Saved), fileIsKept()}},
      {"OverBudgetThenLoadedNameTypedBack",
       SyntheticRom(),
       "Islanders",
       true,
       {keep(), kOverBudget, edit([](save::SaveInput& in) { in.teamNameText = "Isles"; }),
        save(SaveOutcome::OverBudget), typedBack(), save(SaveOutcome::Saved), fileIsKept()}},
  };
}

void PrintTo(const Case& c, std::ostream* out) {
  *out << c.name;
}

class SaveSequence : public ::testing::TestWithParam<Case> {};

TEST_P(SaveSequence, FileHoldsWhatWasSaved) {
  const Case& c = GetParam();
  Sequence s{c.source, makeSaveFixture(c.team, c.teamNames, c.source), TempRomFile(c.source), {}, {}};
  s.loaded = s.f.input;
  for (const Step& step : c.steps) step(s);
}
INSTANTIATE_TEST_SUITE_P(Core, SaveSequence, ::testing::ValuesIn(cases()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quarven::testing
