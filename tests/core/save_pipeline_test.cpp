#include "save/save_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "case_name.h"
#include "rom/rom_layout.h"
#include "save/save_messages.h"
#include "save/write_journal.h"
#include "save_fixture.h"
#include "temp_rom_file.h"

namespace quarven::save {
namespace {

using testing::makeSaveFixture;
using testing::rosterNeeds;
using testing::MemoryOpener;
using testing::RecordingMessenger;
using testing::SaveFixture;
using Strings = std::vector<std::string>;

struct SaveRun {
  SaveResult result;
  Strings messages;
  std::vector<std::uint32_t> changed;
  int opens = 0;
};

// Saves in memory; every save closes the image and changes nothing outside the team's places.
SaveRun save(SaveFixture& f, std::function<void(MemoryOpener&, RecordingMessenger&)> setup = {}) {
  const auto before = f.rom.bytes();
  MemoryOpener opener(f.rom);
  RecordingMessenger messenger;
  if (setup) setup(opener, messenger);
  SaveRun run{runSave(opener, f.team, f.input, messenger), messenger.texts,
              testing::differingOffsets(before, f.rom.bytes()), opener.opens};
  EXPECT_FALSE(opener.isOpen);
  for (std::uint32_t off : run.changed)
    EXPECT_TRUE(testing::savePlace(*f.row, off, f.input.teamNameChangeOn)) << std::hex << off;
  return run;
}

std::string bytesAt(const SaveFixture& f, std::uint32_t offset, std::size_t count) {
  return std::string(f.rom.bytes().begin() + offset, f.rom.bytes().begin() + offset + count);
}

void setAllLineBoxes(SaveFixture& f, const std::string& text) {
  for (auto& line : f.input.lineTexts) std::fill(line.begin(), line.end(), text);
}

class UneditedSaveOfEveryTeam : public ::testing::TestWithParam<std::tuple<TeamRow, bool>> {};

TEST_P(UneditedSaveOfEveryTeam, KeepsTheImage) {
  SaveFixture f = makeSaveFixture(std::get<0>(GetParam()).key, std::get<1>(GetParam()));
  const SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(run.messages, Strings{kSaved});
  EXPECT_TRUE(run.changed.empty()) << run.changed.size() << " bytes changed";
  EXPECT_EQ(run.opens, 1);
}
INSTANTIATE_TEST_SUITE_P(SavePipeline, UneditedSaveOfEveryTeam,
                         ::testing::Combine(::testing::ValuesIn(teamTable()), ::testing::Bool()),
                         [](const auto& info) {
                           return testing::caseName(std::get<0>(info.param).key) +
                                  (std::get<1>(info.param) ? "WithTeamNameChange" : "");
                         });

TEST(SavePipeline, EditsReachTheFileAsTheyReachMemory) {
  SaveFixture f = makeSaveFixture("Kings", true);
  f.input.teamNameText = "Zz";
  f.input.nameTexts[0] = "";
  f.input.nameTexts[1] = "O'Neil";
  f.input.numberTexts[2] = "98";
  setAllLineBoxes(f, f.input.numberTexts[1]);
  f.input.sampleColours[3] = 0xE02000;
  f.input.recoloured[3] = true;
  const testing::TempRomFile file(f.rom.bytes());
  FileRomOpener opener(file.pathText());
  SelectedTeam team = f.team;
  RecordingMessenger messages;
  EXPECT_EQ(runSave(opener, team, f.input, messages).outcome, SaveOutcome::Saved);
  EXPECT_FALSE(save(f).changed.empty());
  EXPECT_EQ(file.contents(), f.rom.bytes());
}

TEST(SavePipeline, ShorterNameMovesLaterRecordsAndTheEndMarker) {
  SaveFixture f = makeSaveFixture("Bruins");
  std::uint32_t end = f.row->firstRecord, row5 = end;
  for (int p = 0; p < f.row->playerCount; ++p) end += f.input.nameTexts[p].size() + 10;
  for (int p = 0; p < 5; ++p) row5 += f.input.nameTexts[p].size() + 10;
  const auto before = f.rom.bytes();
  const std::string name5 = f.input.nameTexts[5];
  f.input.nameTexts[2].resize(f.input.nameTexts[2].size() - 3);
  ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(bytesAt(f, row5 - 3, name5.size() + 2), char(name5.size() + 2) + std::string(1, 0) + name5);
  EXPECT_EQ(bytesAt(f, end - 3, 2), std::string("\x02\0", 2));
  // The three bytes the block gave up keep what they held.
  EXPECT_TRUE(
      std::equal(before.begin() + end - 1, before.begin() + end + 2, f.rom.bytes().begin() + end - 1));
}

TEST(SavePipeline, LineBoxesTakeTheLastMatchingRow) {
  SaveFixture f = makeSaveFixture("Mighty Ducks");
  const std::uint32_t first = f.row->firstRecord;
  setAllLineBoxes(f, f.input.numberTexts[0]);
  f.input.numberTexts[1] = f.input.numberTexts[8] = "8";
  f.input.numberTexts[4] = f.input.numberTexts[20] = "12";  // a hidden row is not searched
  f.input.lineTexts[0][4] = "12";                           // SCORING 1, LD
  f.input.lineTexts[2][0] = "8";                            // CHECKING, RW
  f.input.lineTexts[6][0] = "8";                            // PEN. KILL 2, C
  f.input.lineTexts[6][3] = f.input.numberTexts[10];        // PEN. KILL 2, LD
  const auto before = f.rom.bytes();
  const SaveRun run = save(f);
  ASSERT_EQ(run.result.outcome, SaveOutcome::Saved) << run.messages[0];
  const std::pair<std::uint32_t, int> slots[] = {{55, 5}, {35, 9}, {4, 9}, {7, 11}, {54, 1}};
  for (const auto& [back, row] : slots) EXPECT_EQ(f.rom.bytes()[first - back], row) << back;
  for (std::uint32_t back : {3, 2, 1, 56, 50}) EXPECT_EQ(f.rom.bytes()[first - back], before[first - back]);
}

TEST(SavePipeline, NumberTextsBecomeNumberBytes) {
  for (auto [text, byte] : {std::pair{"99", 0x99}, {"7", 0x07}, {"0", 0x00}, {"1A", 0x1A}, {"1a", 0x1A}}) {
    SaveFixture f = makeSaveFixture("Panthers");
    setAllLineBoxes(f, f.input.numberTexts[1]);
    f.input.numberTexts[0] = text;
    ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved) << text;
    EXPECT_EQ(f.rom.bytes()[f.row->firstRecord + 2 + f.input.nameTexts[0].size()], byte) << text;
  }
}

// Over the budget only the palettes and the team name are written, with the message shown while the
// image is still open; every save counts from 0.
TEST(SavePipeline, RosterOnBudgetIsSavedOverItKeepsPalettesAndTeamNameOnly) {
  SaveFixture f = makeSaveFixture("Islanders", true);
  rosterNeeds(f, 0);
  SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(run.result.playerletters, f.row->recordBudget);

  rosterNeeds(f, 1);
  f.input.teamNameText = "Isles";
  f.input.sampleColours[0] = 0xE02000;  // word 0x7080
  f.input.recoloured[0] = true;
  f.input.abbrevText = "ZZZ";
  setAllLineBoxes(f, f.input.numberTexts[3]);
  bool openAtMessage = false;
  run = save(f, [&](MemoryOpener& opener, RecordingMessenger& m) {
    m.onShow = [&](const UserMessage&) { openAtMessage = opener.isOpen; };
  });
  EXPECT_EQ(run.result.outcome, SaveOutcome::OverBudget);
  EXPECT_EQ(run.messages, Strings{"You've used 1 too many letters for player names."});
  EXPECT_EQ(save(f).messages, run.messages);
  EXPECT_TRUE(openAtMessage);
  EXPECT_EQ(bytesAt(f, layout::homePalette(13) + 4, 2), "\x80\x70");
  // Of the team's places, those below the end of the team-name block are the palettes and names.
  EXPECT_TRUE(std::all_of(run.changed.begin(), run.changed.end(), [](auto off) { return off < 0xE1986; }));
  EXPECT_EQ(f.team.teamname[13], "Isles");
  std::uint32_t name13 = 0xE1881;
  for (int m = 0; m < 13; ++m) name13 += teamByIndex(m).key.size() + 1;
  EXPECT_EQ(bytesAt(f, name13, 6), std::string("Isles\0", 6));
}

// Records another tool stored one byte over the team's budget stay as they are while the roster is
// not edited, and hold back no other edit; an edited roster meets the budget as always.
TEST(SavePipeline, StoredRosterOverBudgetIsCheckedOnlyWhenTheRosterIsWritten) {
  const TeamRow& row = *findTeamByKey("Sabres");
  SaveFixture f = makeSaveFixture("Sabres", false, testing::SyntheticRom().recordsOverBudget("Sabres", 1));
  const std::string records = bytesAt(f, row.firstRecord, row.recordBudget + 3);
  f.input.abbrevText = "ZZ";
  SaveRun run = save(f);
  EXPECT_EQ(std::tuple(run.result.outcome, run.messages), std::tuple(SaveOutcome::Saved, Strings{kSaved}));
  EXPECT_EQ(bytesAt(f, row.abbrevOffset, 2), "ZZ");
  EXPECT_EQ(bytesAt(f, row.firstRecord, records.size()), records);
  f.input.nameTexts[0].back() = 'v';
  run = save(f);
  EXPECT_EQ(std::tuple(run.result.outcome, run.messages),
            std::tuple(SaveOutcome::OverBudget, Strings{"You've used 1 too many letters for player names."}));
}

// Names of exactly 261 bytes fill the block up to its last byte; one byte more and no name is written.
TEST(SavePipeline, TeamNameBlockOverflowOrChangeOffWritesNoNameButTheSaveGoesOn) {
  SaveFixture f = makeSaveFixture("Jets", true);
  f.input.teamNameText = std::string(17, 'J');  // 248 + 13 bytes
  EXPECT_EQ(save(f).messages, Strings{kSaved});
  EXPECT_EQ(bytesAt(f, 0xE1984, 2), std::string("T\0", 2));  // the end of ALL STARS WEST
  f.input.teamNameText = std::string(18, 'J');
  f.input.nameTexts[0] = "Changed";
  const SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
  EXPECT_TRUE(run.result.teamNameBlockRefused);
  EXPECT_EQ(run.messages, (Strings{kTeamNameBlockTooLong, kSaved}));
  EXPECT_TRUE(std::all_of(run.changed.begin(), run.changed.end(), [](auto off) { return off >= 0xE1986; }));
  EXPECT_EQ(f.rom.bytes()[f.row->firstRecord + 2], 'C');

  SaveFixture off = makeSaveFixture("Sharks", false);
  off.input.teamNameText = "Sea Sharks";
  EXPECT_TRUE(save(off).changed.empty());
  EXPECT_EQ(off.team.teamname[19], "Sea Sharks");
}

// A block laid out otherwise than SAVE lays it out (0xFF filler, a pointer high byte 0x00, a pointer
// one byte off) stays as it is while the name is as loaded; once a SAVE wrote an edited name, the
// name typed back as loaded is written too.
TEST(SavePipeline, TeamNameBlockIsWrittenOnlyForAnEditedName) {
  testing::SyntheticRom odd;
  for (int k = 248; k < 261; ++k) odd.nameBlockByte(k, 0xFF);
  odd.poke(layout::pointerLowByte(5) + 1, {0x00}).poke(layout::pointerLowByte(7), {0x42});
  SaveFixture f = makeSaveFixture("Bruins", true, odd);
  EXPECT_TRUE(save(f).changed.empty());
  f.input.teamNameText = "BEES";
  EXPECT_EQ(bytesAt(f, 0xE1881 + 13, 7), std::string("BRUINS\0", 7));
  ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(bytesAt(f, 0xE1881 + 13, 5), std::string("BEES\0", 5));
  f.input.teamNameText = "BRUINS";
  EXPECT_FALSE(save(f).changed.empty());
  EXPECT_EQ(bytesAt(f, 0xE1881 + 13, 7), std::string("BRUINS\0", 7));
}

// Name 3 three letters shorter, or eleven longer: name 14 then starts past 0xE1900.
TEST(SavePipeline, EditedTeamNameMovesLaterNamesAndTheirPointers) {
  for (const std::string text : {"F.a", "Flames of Calgary"}) {
    SaveFixture f = makeSaveFixture("Flames", true);  // index 3
    f.input.teamNameText = text;
    ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved);
    const std::string expected = text + std::string("\0BLACKHAWKS\0", 12);
    EXPECT_EQ(bytesAt(f, 0xE1881 + 3 + 12 + 6 + 6, expected.size()), expected);  // after 3 names
    std::uint32_t start = 0xE1881;
    for (int m = 0; m < 28; ++m) {
      const std::uint32_t low = layout::pointerLowByte(m);
      EXPECT_EQ(f.rom.bytes()[low], start & 0xFF) << text << ", name " << m;
      EXPECT_EQ(f.rom.bytes()[low + 1], 0x96 + (start >> 8) - 0xE18) << text << ", name " << m;
      start += (m == 3 ? text.size() : teamByIndex(m).key.size()) + 1;
    }
    EXPECT_EQ(bytesAt(f, start, 0xE1986 - start), std::string(0xE1986 - start, ' '));
  }
}

// Whichever write fails (N counted from 0: palettes 0-19, team-name block 20, pointers 21,
// abbreviation 22, records 23, lines 24-56), what the save wrote is put back and the image is closed
// before the message. When the bytes cannot be put back either, the message says so.
TEST(SavePipeline, FailedWritePutsTheImageBackAndSaysWhetherItCould) {
  const std::tuple<int, bool> cases[] = {{0, false},  {7, false},  {20, false}, {21, false}, {22, false},
                                         {23, false}, {56, false}, {23, true},  {56, true}};
  for (const auto& [failing, laterFail] : cases) {
    SCOPED_TRACE(std::to_string(failing) + (laterFail ? ", later writes fail too" : ""));
    SaveFixture f = makeSaveFixture("Canucks", true);
    f.input.teamNameText = "Whales";
    f.input.nameTexts[0] = "Changed";
    f.input.abbrevText = "ZZZ";
    f.input.recoloured[0] = f.input.recoloured[19] = true;
    f.input.sampleColours[0] = f.input.sampleColours[19] = 0xE02000;
    setAllLineBoxes(f, f.input.numberTexts[1]);
    const auto before = f.rom.bytes();
    bool openAtMessage = true;
    const SaveRun run =
        save(f, [&, failing = failing, laterFail = laterFail](MemoryOpener& opener, RecordingMessenger& m) {
          opener.failingWrite = failing;
          opener.laterWritesFail = laterFail;
          m.onShow = [&](const UserMessage&) { openAtMessage = opener.isOpen; };
        });
    EXPECT_EQ(std::tuple(run.result.outcome, run.result.imageRestored),
              std::tuple(SaveOutcome::WriteFailed, !laterFail));
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].rfind("Writing to the ROM image failed", 0), 0u);
    EXPECT_NE(run.messages[0].find(laterFail ? "could not be put back" : "as it was before this save"),
              std::string::npos)
        << run.messages[0];
    EXPECT_EQ(f.rom.bytes() == before, !laterFail);
    EXPECT_FALSE(openAtMessage);
  }
  SaveFixture f = makeSaveFixture("Canucks");
  const SaveRun run = save(f, [](MemoryOpener& opener, RecordingMessenger&) { opener.reserveFails = true; });
  EXPECT_EQ(run.result.outcome, SaveOutcome::NoRoom);
  EXPECT_TRUE(run.changed.empty());
  EXPECT_EQ(run.messages,
            Strings{"The room this save needs in the ROM image's file could not be reserved (is "
                    "the disk full?). Nothing was saved."});
}

// After a SAVE that stopped part way and could not put back what it wrote, the next SAVE writes every
// place of the team in full, without asking about the bytes the failed one touched: the reload shows
// the window, here the roster or the team name typed back as loaded. The write that fails is the
// player record block's, or with team-name change on the team-name block's.
TEST(SavePipeline, SaveAfterOneThatCouldNotBePutBackWritesTheTeamInFull) {
  for (const bool teamNames : {false, true}) {
    SCOPED_TRACE(teamNames ? "team name" : "roster");
    SaveFixture f = makeSaveFixture("Bruins", teamNames);
    const SaveInput loaded = f.input;
    (teamNames ? f.input.teamNameText : f.input.nameTexts[0]) = "Changed";
    const SaveRun failed = save(f, [&](MemoryOpener& opener, RecordingMessenger&) {
      opener.failingWrite = teamNames ? 20 : 21;
      opener.laterWritesFail = true;
    });
    ASSERT_EQ(std::tuple(failed.result.outcome, failed.result.imageRestored),
              std::tuple(SaveOutcome::WriteFailed, false));
    f.input = loaded;
    EXPECT_EQ(save(f).messages, Strings{kSaved});
    EXPECT_TRUE(f.team.unfinished.empty());
    const TeamLoadResult reload = loadTeam(f.rom, "Bruins", {});
    const SaveInput shown = testing::saveInputFromLoad(reload, teamNames);
    EXPECT_EQ(reload.outcome, TeamLoadOutcome::Loaded);
    EXPECT_EQ(std::tie(shown.nameTexts, reload.state.teamname), std::tie(loaded.nameTexts, f.team.teamname));
  }
}

// Another program writes into the image between the load and SAVE. SAVE asks before it writes over
// such a byte: No writes nothing, Yes saves as always, and the next SAVE, over what it wrote, asks
// no more. Bytes it does
// not write (palette word 0, an unedited roster, the names with team-name change off) or writes
// with the value they now hold ask nothing.
TEST(SavePipeline, ImageChangedOnDiskSinceTheLoadIsOverwrittenOnlyWhenTheUserSaysYes) {
  const TeamRow& row = *findTeamByKey("Kings");
  const std::uint32_t home = layout::homePalette(row.index);
  // Where the other program writes, what, the abbreviation the user types (none: left alone), and
  // whether SAVE asks.
  const std::tuple<std::uint32_t, std::string, std::string, bool> cases[] = {
      {home + layout::slotByte(3) + 1, "\x7F", "", true},
      {layout::lineSlot(row.firstRecord, 6, 4), "\x09", "", true},
      {row.abbrevOffset + 2, "Q", "", true},
      {row.abbrevOffset, "XY", "xy", false},
      {row.abbrevOffset, "XY", "xz", true},
      {home, "\x7F", "", false},
      {row.firstRecord + 2, "Q", "", false},
      {layout::kTeamNameBlockOffset + 2, "Q", "", false},
  };
  for (const auto& [offset, bytes, typed, asks] : cases) {
    SCOPED_TRACE(std::to_string(offset) + " " + bytes);
    SaveFixture f = makeSaveFixture("Kings");
    if (!typed.empty()) f.input.abbrevText = typed;
    const auto original = f.rom.bytes();
    std::copy(bytes.begin(), bytes.end(), f.rom.bytes().begin() + offset);
    const auto changed = f.rom.bytes();
    SaveRun run = save(f);
    if (!asks) {
      EXPECT_EQ(run.messages, Strings{kSaved});
      continue;
    }
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0],
              "The ROM image has changed on disk since this team was loaded: another program has written to "
              "it. Saving will overwrite those changes. Save anyway?");
    EXPECT_EQ(std::tuple(run.result.outcome, f.rom.bytes() == changed),
              std::tuple(SaveOutcome::ChangedOnDisk, true));
    run = save(f, [](MemoryOpener&, RecordingMessenger& m) { m.answers = {true}; });
    EXPECT_EQ(std::tuple(run.result.outcome, run.messages.size()), std::tuple(SaveOutcome::Saved, 2u));
    if (typed.empty()) {
      EXPECT_EQ(f.rom.bytes(), original);
    }
    f.input.abbrevText = "ab";  // over what the SAVE wrote
    EXPECT_EQ(save(f).messages, Strings{kSaved});
  }
}

TEST(WriteJournal, PutsBackEveryRangeItCan) {
  MemoryRom image(std::vector<std::uint8_t>(4, 0));
  MemoryOpener opener(image);
  const auto view = opener.open(FileRom::Mode::ReadWrite, nullptr);
  WriteJournal journal(*view);
  ASSERT_TRUE(journal.write(0, std::vector<std::uint8_t>{1, 2}) &&
              journal.write(2, std::vector<std::uint8_t>{3, 4}));
  opener.failingWrite = 2;  // putting back the later range writes only its first byte
  EXPECT_FALSE(journal.restore());
  EXPECT_EQ(image.bytes(), (std::vector<std::uint8_t>{0, 0, 0, 4}));
}

TEST(SavePipeline, ShortImageIsReportedAndNothingWritten) {
  SaveFixture f = makeSaveFixture("Capitals");
  f.rom.bytes().resize(f.row->abbrevOffset + 2);  // the abbreviation field is cut off
  const SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::ImageTooShort);
  EXPECT_TRUE(run.changed.empty());
  EXPECT_EQ(run.messages, Strings{"The ROM image is too short to hold this team's data. Nothing was saved."});
  f.rom.bytes().push_back(f.team.abbrevBytes[2]);  // the image now ends with the abbreviation field
  EXPECT_EQ(save(f).result.outcome, SaveOutcome::Saved);
}

// What the window cannot show as it is goes back byte for byte while the user leaves it alone: bytes
// outside a character set (0x0C shows as "C", 0xAB as "AB"), colour words that no colour of the
// figures turns back into, line slots pointing outside the roster, player records laid out otherwise
// than SAVE lays them out. Once edited, it must be valid: the first edit is refused, the second
// saved, changing exactly `changes` when given.
TEST(SavePipeline, UneditedDataTheWindowCannotShowGoesBackByteForByte) {
  using testing::SyntheticRom;
  using Edit = std::function<void(SaveInput&)>;
  const auto teamName = [](std::string v) -> Edit { return [=](SaveInput& in) { in.teamNameText = v; }; };
  const auto abbrev = [](std::string v) -> Edit { return [=](SaveInput& in) { in.abbrevText = v; }; };
  const auto name2 = [](std::string v) -> Edit { return [=](SaveInput& in) { in.nameTexts[2] = v; }; };
  const auto recolour = [](std::uint32_t colour) -> Edit {  // home sleeves
    return [=](SaveInput& in) { in.recoloured[0] = true, in.sampleColours[0] = colour; };
  };
  const auto retype = [](int rowOrNone) -> Edit {  // SCORING 1, LD
    return [=](SaveInput& in) {
      in.lineEdited[0][4] = true;
      in.lineTexts[0][4] = rowOrNone < 0 ? "" : in.numberTexts[rowOrNone];
    };
  };
  const std::uint32_t bruinsF = findTeamByKey("Bruins")->firstRecord;
  const std::uint32_t bruinsEnd = bruinsF + SyntheticRom().team("Bruins").recordBytes();
  using Offsets = std::vector<std::uint32_t>;
  const Offsets anyChange, slotOfRetype = {layout::lineSlot(bruinsF, 0, 1)};
  SyntheticRom oddWords, oddSlots;
  oddWords.homeWord("Bruins", 0, 0x9234).homeWord("Bruins", 1, 0x5005).homeWord("Bruins", 8, 0x031B);
  oddWords.awayWord("Bruins", 0, 0x7409);
  oddSlots.lineSlot("Bruins", 0, 1, 25).lineSlot("Bruins", 0, 2, 0).lineSlot("Bruins", 3, 5, 200);
  oddSlots.lineSlot("Bruins", 6, 4, 25);
  const std::tuple<SyntheticRom, Edit, Edit, Offsets> cases[] = {
      {SyntheticRom()
           .playerNameBytes("Bruins", 1, {0xAB, 0x41})
           .playerNameBytes("Bruins", 2, {'J', 0x1B, 'o'}),
       name2("J1Bo!"), name2("Jo"), anyChange},
      {SyntheticRom().teamNameBytes("Bruins", {0x42, 0xAB, 0x1B, 0x53}), teamName("BAB1BSX"),
       teamName("Bees"), anyChange},
      {SyntheticRom().abbrevBytes("Bruins", {'B', 'O', 0x0C}), abbrev("B1"), abbrev("xy"), anyChange},
      // "B1B" shows four characters.
      {SyntheticRom().abbrevBytes("Bruins", {'B', 0x1B, 'S'}), abbrev("B1B"), abbrev("BS"), anyChange},
      // 0x9234 (bit 15 set) has no key; 0x5005, 0x7409 show a colour saved as 0x3826, 0x031B one as 0x2253.
      {oddWords, recolour(0x008000), recolour(0xE02000),
       Offsets{layout::homePalette(1) + 4, layout::homePalette(1) + 5}},
      // Beyond the 24 players, no player, and a byte no roster reaches.
      {oddSlots, retype(-1), retype(2), slotOfRetype},
      // A number two players wear: the box keeps naming the first of them.
      {SyntheticRom().playerNumbers("Bruins", {0x77, 0x77}).lineSlot("Bruins", 0, 2, 1), retype(-1),
       retype(2), slotOfRetype},
      // Records as SAVE would not lay them out: a length word's high byte (with a number byte that is
      // no decimal digits), a (last, nameless) record of length byte 1, no end marker. An edited
      // roster is written whole.
      {SyntheticRom().poke(bruinsF + 1, {0x7F}).playerNumbers("Bruins", {0x1A}), name2("J!"), name2("Jo"),
       anyChange},
      {SyntheticRom().playerNameBytes("Bruins", 23, {}).recordLengthByte("Bruins", 23, 1), name2("J!"),
       name2("Jo"), anyChange},
      {SyntheticRom().poke(bruinsEnd, {0x55, 0x66}), name2("J!"), name2("Jo"), anyChange},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const auto& [source, refused, accepted, changes] = cases[i];
    SaveFixture f = makeSaveFixture("Bruins", true, source);
    const SaveInput asLoaded = f.input;
    const SaveRun unedited = save(f);
    EXPECT_EQ(unedited.result.outcome, SaveOutcome::Saved) << unedited.messages[0];
    EXPECT_TRUE(unedited.changed.empty());
    refused(f.input);
    EXPECT_EQ(save(f).result.outcome, SaveOutcome::InputRefused);
    accepted(f.input);
    const SaveRun edited = save(f);
    EXPECT_EQ(edited.result.outcome, SaveOutcome::Saved);
    EXPECT_FALSE(edited.changed.empty());
    if (!changes.empty()) {
      EXPECT_EQ(edited.changed, changes);
    }
    // Names and numbers typed back as loaded and saved: the roster reads as loaded again.
    f.input.nameTexts = asLoaded.nameTexts, f.input.numberTexts = asLoaded.numberTexts;
    EXPECT_EQ(save(f).result.outcome, SaveOutcome::Saved);
    const SaveInput reloaded = testing::saveInputFromLoad(loadTeam(f.rom, "Bruins", {}, {}), true);
    EXPECT_EQ(std::tie(reloaded.nameTexts, reloaded.numberTexts),
              std::tie(asLoaded.nameTexts, asLoaded.numberTexts));
  }
}

// Only the typed letters are written: the third byte keeps what it held, and an empty box writes nothing.
TEST(SavePipeline, AbbreviationWritesOnlyTheTypedLetters) {
  SaveFixture f = makeSaveFixture("Kings");
  const std::string kept("X\0K", 3);
  for (const auto& [text, field] :
       {std::pair<std::string, std::string>{"x_", kept}, {"", kept}, {"la", "LAK"}}) {
    f.input.abbrevText = text;
    ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved) << text;
    EXPECT_EQ(bytesAt(f, f.row->abbrevOffset, 3), field) << text;
  }
}

}  // namespace
}  // namespace quarven::save
