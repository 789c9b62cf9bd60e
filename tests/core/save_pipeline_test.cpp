#include "save/save_pipeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "rom/rom_layout.h"
#include "save/save_messages.h"
#include "save_fixture.h"
#include "temp_rom_file.h"

namespace quarven::save {
namespace {

using testing::MemoryOpener;
using testing::RecordingMessenger;
using testing::SaveFixture;

struct SaveRun {
  SaveResult result;
  std::vector<std::string> messages;
  std::vector<std::uint32_t> changed;
  int opens = 0;
};

SaveRun save(SaveFixture& f, std::function<void(MemoryOpener&, RecordingMessenger&)> setup = {}) {
  const auto before = f.rom.bytes();
  MemoryOpener opener(f.rom);
  RecordingMessenger messenger;
  if (setup) setup(opener, messenger);
  SaveRun run;
  run.result = runSave(opener, f.team, f.input, messenger);
  run.messages = messenger.texts;
  run.changed = testing::differingOffsets(before, f.rom.bytes());
  run.opens = opener.opens;
  EXPECT_FALSE(opener.isOpen);
  return run;
}

// Loading a canonical team and saving it unchanged gives back the same file, for every team.
TEST(SavePipeline, UneditedSaveOfEveryTeamKeepsTheImage) {
  for (const TeamRow& row : teamTable())
    for (bool teamNames : {false, true}) {
      SCOPED_TRACE(std::string(row.key) + (teamNames ? " with team-name change" : ""));
      SaveFixture f = testing::makeSaveFixture(row.key, teamNames);
      const SaveRun run = save(f);
      EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
      EXPECT_EQ(run.messages, std::vector<std::string>{kSaved});
      EXPECT_TRUE(run.changed.empty()) << run.changed.size() << " bytes changed, first at " << run.changed[0];
      EXPECT_EQ(run.opens, 1);
    }
}

// Gives a row a new number text and moves the line boxes that showed the old one along.
void renumber(SaveFixture& f, int row, const std::string& text) {
  for (auto& line : f.input.lineTexts)
    for (auto& box : line)
      if (box == f.input.numberTexts[row]) box = text;
  f.input.numberTexts[row] = text;
}

// After any edit, only the places of the team's layout change.
TEST(SavePipeline, EditsChangeOnlyTheTeamsPlaces) {
  for (const char* key : {"Kings", "All Stars West"}) {
    SCOPED_TRACE(key);
    SaveFixture f = testing::makeSaveFixture(key, true);
    f.input.teamNameText = "Zz";
    f.input.nameTexts[0] = "";
    f.input.nameTexts[1] = "New Name";
    renumber(f, 2, "98");
    f.input.abbrevText = "q.";
    f.input.sampleColours[3] = 0xE02000;
    f.input.lineTexts[0][0] = f.input.numberTexts[1];
    const SaveRun run = save(f);
    ASSERT_EQ(run.result.outcome, SaveOutcome::Saved);
    EXPECT_FALSE(run.changed.empty());
    for (std::uint32_t off : run.changed)
      EXPECT_TRUE(testing::savePlace(*f.row, off, true)) << std::hex << off;
    const std::uint32_t b = f.row->abbrevOffset;
    EXPECT_EQ(f.rom.bytes()[b], 'Q');
    EXPECT_EQ(f.rom.bytes()[b + 1], '.');
  }
}

TEST(SavePipeline, ShorterNameMovesLaterRecordsAndTheEndMarker) {
  SaveFixture f = testing::makeSaveFixture("Bruins");
  const std::uint32_t first = f.row->firstRecord;
  std::uint32_t end = first;
  for (int p = 0; p < f.row->playerCount; ++p) end += f.input.nameTexts[p].size() + 10;
  const auto before = f.rom.bytes();
  const std::string row5 = f.input.nameTexts[5];
  f.input.nameTexts[2].resize(f.input.nameTexts[2].size() - 3);
  ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved);

  std::uint32_t off = first;
  for (int p = 0; p < 5; ++p) off += f.input.nameTexts[p].size() + 10;
  EXPECT_EQ(f.rom.bytes()[off], row5.size() + 2);
  EXPECT_EQ(std::string(f.rom.bytes().begin() + off + 2, f.rom.bytes().begin() + off + 2 + row5.size()),
            row5);
  EXPECT_EQ(f.rom.bytes()[end - 3], 0x02);
  EXPECT_EQ(f.rom.bytes()[end - 2], 0x00);
  // The three bytes the block gave up keep what they held (the old marker and the byte after it).
  for (std::uint32_t i = end - 1; i < end + 2; ++i) EXPECT_EQ(f.rom.bytes()[i], before[i]) << i;
}

void setAllLineBoxes(SaveFixture& f, const std::string& text) {
  for (auto& line : f.input.lineTexts)
    for (auto& box : line) box = text;
}

TEST(SavePipeline, LineBoxesTakeTheLastMatchingRow) {
  SaveFixture f = testing::makeSaveFixture("Mighty Ducks");
  const std::uint32_t first = f.row->firstRecord;
  setAllLineBoxes(f, f.input.numberTexts[0]);
  f.input.numberTexts[1] = "8";
  f.input.numberTexts[8] = "8";
  f.input.numberTexts[4] = "12";
  f.input.numberTexts[20] = "12";                     // a hidden row is not searched
  f.input.lineTexts[0][4] = "12";                     // SCORING 1, LD
  f.input.lineTexts[2][0] = "8";                      // CHECKING, RW
  f.input.lineTexts[6][0] = "8";                      // PEN. KILL 2, C
  f.input.lineTexts[6][3] = f.input.numberTexts[10];  // PEN. KILL 2, LD
  const auto before = f.rom.bytes();
  const SaveRun run = save(f);
  ASSERT_EQ(run.result.outcome, SaveOutcome::Saved) << run.messages[0];
  EXPECT_EQ(f.rom.bytes()[first - 55], 5);
  EXPECT_EQ(f.rom.bytes()[first - 35], 9);
  EXPECT_EQ(f.rom.bytes()[first - 4], 9);
  EXPECT_EQ(f.rom.bytes()[first - 7], 11);
  EXPECT_EQ(f.rom.bytes()[first - 54], 1);
  for (std::uint32_t off : {first - 3, first - 2, first - 1, first - 56, first - 50})
    EXPECT_EQ(f.rom.bytes()[off], before[off]);
}

TEST(SavePipeline, NumberTextsBecomeNumberBytes) {
  for (auto [text, byte] : {std::pair{"99", 0x99}, {"7", 0x07}, {"0", 0x00}, {"1A", 0x1A}, {"1a", 0x1A}}) {
    SaveFixture f = testing::makeSaveFixture("Panthers");
    setAllLineBoxes(f, f.input.numberTexts[1]);
    f.input.numberTexts[0] = text;
    ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved) << text;
    EXPECT_EQ(f.rom.bytes()[f.row->firstRecord + 2 + f.input.nameTexts[0].size()], byte) << text;
  }
}

// Names of 27 letters and less, so that the roster needs its record budget plus `excess` bytes.
void rosterNeeds(SaveFixture& f, int excess) {
  int letters = f.row->recordBudget + excess - 10 * f.row->playerCount;
  for (int p = 0; p < f.row->playerCount; ++p, letters -= 27)
    f.input.nameTexts[p].assign(static_cast<std::size_t>(std::clamp(letters, 0, 27)), 'w');
}

// Over the budget only the palettes and the team name are written, and the message comes while the
// image is still open; every save counts from 0.
TEST(SavePipeline, RosterOnBudgetIsSavedOverItKeepsPalettesAndTeamNameOnly) {
  SaveFixture f = testing::makeSaveFixture("Islanders", true);
  rosterNeeds(f, 0);
  SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
  EXPECT_EQ(run.result.playerletters, f.row->recordBudget);

  rosterNeeds(f, 1);
  f.input.teamNameText = "Isles";
  f.input.sampleColours[0] = 0xE02000;  // word 0x7080
  f.input.abbrevText = "ZZZ";
  setAllLineBoxes(f, f.input.numberTexts[3]);
  bool openAtMessage = false;
  run = save(f, [&](MemoryOpener& opener, RecordingMessenger& m) {
    m.onShow = [&](const UserMessage&) { openAtMessage = opener.isOpen; };
  });
  EXPECT_EQ(run.result.outcome, SaveOutcome::OverBudget);
  EXPECT_EQ(run.messages, std::vector<std::string>{"You've used 1 too many letters for player names."});
  EXPECT_EQ(save(f).messages, run.messages);
  EXPECT_TRUE(openAtMessage);
  const std::uint32_t home = layout::homePalette(13);
  EXPECT_EQ(f.rom.bytes()[home + 4], 0x80);
  EXPECT_EQ(f.rom.bytes()[home + 5], 0x70);
  for (std::uint32_t off : run.changed) {
    const bool palette = (off >= home && off < home + 32) ||
                         (off >= layout::awayPalette(13) && off < layout::awayPalette(13) + 32);
    const bool names = off >= layout::kTeamNamePointerOffset && off < 0xE1986;
    EXPECT_TRUE(palette || names) << std::hex << off;
  }
  EXPECT_EQ(f.team.teamname[13], "Isles");
  std::uint32_t name13 = 0xE1881;
  for (int m = 0; m < 13; ++m) name13 += teamByIndex(m).key.size() + 1;
  EXPECT_EQ(std::string(f.rom.bytes().begin() + name13, f.rom.bytes().begin() + name13 + 6),
            std::string("Isles\0", 6));
}

TEST(SavePipeline, OverlongTeamNameBlockIsReportedAndTheSaveGoesOn) {
  SaveFixture f = testing::makeSaveFixture("Jets", true);
  f.input.teamNameText = std::string(20, 'J');  // 248 + 16 bytes: over 261
  f.input.nameTexts[0] = "Changed";
  const SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
  EXPECT_TRUE(run.result.teamNameBlockRefused);
  EXPECT_EQ(run.messages, (std::vector<std::string>{kTeamNameBlockTooLong, kSaved}));
  for (std::uint32_t off : run.changed) EXPECT_FALSE(off >= layout::kTeamNamePointerOffset && off < 0xE1986);
  EXPECT_EQ(f.rom.bytes()[f.row->firstRecord + 2], 'C');
}

TEST(SavePipeline, TeamNameChangeOffWritesNoNameButKeepsTheText) {
  SaveFixture f = testing::makeSaveFixture("Sharks", false);
  f.input.teamNameText = "Sea Sharks";
  const SaveRun run = save(f);
  EXPECT_EQ(run.result.outcome, SaveOutcome::Saved);
  EXPECT_TRUE(run.changed.empty());
  EXPECT_EQ(f.team.teamname[19], "Sea Sharks");
}

// Name 3 three letters shorter (with a 0x00 in it), or eleven longer: name 14 then starts past 0xE1900.
TEST(SavePipeline, EditedTeamNameMovesLaterNamesAndTheirPointers) {
  for (const std::string text : {"F_a", "Flames of Calgary"}) {
    SaveFixture f = testing::makeSaveFixture("Flames", true);  // index 3
    f.input.teamNameText = text;
    ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved);
    const std::uint32_t name3 = 0xE1881 + 3 + 12 + 6 + 6;  // behind "MIGHTY DUCKS", "BRUINS", "SABRES"
    std::string expected = text;
    std::replace(expected.begin(), expected.end(), '_', '\0');
    expected += std::string("\0BLACKHAWKS\0", 12);
    EXPECT_EQ(std::string(f.rom.bytes().begin() + name3, f.rom.bytes().begin() + name3 + expected.size()),
              expected);
    std::uint32_t start = 0xE1881;
    for (int m = 0; m < 28; ++m) {
      const std::uint32_t low = layout::pointerLowByte(m);
      EXPECT_EQ(f.rom.bytes()[low], start & 0xFF) << m;
      EXPECT_EQ(f.rom.bytes()[low + 1], 0x96 + (start >> 8) - 0xE18) << m;
      start += (m == 3 ? text.size() : teamByIndex(m).key.size()) + 1;
    }
    for (std::uint32_t off = start; off < 0xE1986; ++off) EXPECT_EQ(f.rom.bytes()[off], 0x20) << off;
  }
}

TEST(SavePipeline, FailedWriteStopsTheSaveClosedAndReported) {
  for (int allowed : {0, 10, 30}) {  // palettes, team names, roster
    SaveFixture f = testing::makeSaveFixture("Canucks", true);
    bool openAtMessage = true;
    const SaveRun run = save(f, [&](MemoryOpener& opener, RecordingMessenger& m) {
      opener.failWritesAfter = allowed;
      m.onShow = [&](const UserMessage&) { openAtMessage = opener.isOpen; };
    });
    EXPECT_EQ(run.result.outcome, SaveOutcome::WriteFailed) << allowed;
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_EQ(run.messages[0].rfind("Writing to the ROM image failed", 0), 0u);
    EXPECT_FALSE(openAtMessage);
  }
}

TEST(SavePipeline, SavesThroughTheFileAndReportsAMissingOrShortOne) {
  SaveFixture f = testing::makeSaveFixture("Capitals");
  SelectedTeam team = f.team;
  auto file = std::make_unique<testing::TempRomFile>(f.rom.bytes());
  FileRomOpener opener(file->pathText());
  f.input.nameTexts[3] = "O'Neil";
  RecordingMessenger messages;
  EXPECT_EQ(runSave(opener, team, f.input, messages).outcome, SaveOutcome::Saved);
  save(f);  // the same save in memory
  EXPECT_EQ(file->contents(), f.rom.bytes());

  file.reset();  // the file is gone
  messages.texts.clear();
  EXPECT_EQ(runSave(opener, team, f.input, messages).outcome, SaveOutcome::NotOpened);
  EXPECT_EQ(messages.texts, std::vector<std::string>{"The ROM image could not be opened for writing (No such "
                                                     "file or directory). Nothing was saved."});

  f.rom.bytes().resize(f.row->abbrevOffset + 2);  // the abbreviation field is cut off
  const SaveRun shortRun = save(f);
  EXPECT_EQ(shortRun.result.outcome, SaveOutcome::ImageTooShort);
  EXPECT_TRUE(shortRun.changed.empty());
  EXPECT_EQ(
      shortRun.messages,
      std::vector<std::string>{"The ROM image is too short to hold this team's data. Nothing was saved."});
}

// Bytes outside a character set show as hex text, which would not encode back to them (0x0C shows
// as "C", 0xAB as "AB"). Unedited, such a text goes back byte for byte; edited, it must encode.
TEST(SavePipeline, UneditedTextsWithBytesOutsideTheSetGoBackByteForByte) {
  struct Case {
    const char* what;
    testing::SyntheticRom source;
    std::function<std::string&(SaveFixture&)> box;
    std::string refused;   // an edit that cannot be saved
    std::string accepted;  // one that can
  };
  using testing::SyntheticRom;
  const Case cases[] = {
      {"player name",
       SyntheticRom()
           .playerNameBytes("Bruins", 1, {0xAB, 0x41})
           .playerNameBytes("Bruins", 2, {0x4A, 0x1B, 0x6F}),
       [](SaveFixture& f) -> std::string& { return f.input.nameTexts[2]; }, "J1Bo!", "Jo"},
      {"team name", SyntheticRom().teamNameBytes("Bruins", {0x42, 0xAB, 0x1B, 0x53}),
       [](SaveFixture& f) -> std::string& { return f.input.teamNameText; }, "BAB1BSX", "Bees"},
      {"abbreviation", SyntheticRom().abbrevBytes("Bruins", {'B', 'O', 0x0C}),
       [](SaveFixture& f) -> std::string& { return f.input.abbrevText; }, "B1", "xy"},
      {"abbreviation that shows four characters", SyntheticRom().abbrevBytes("Bruins", {'B', 0x1B, 'S'}),
       [](SaveFixture& f) -> std::string& { return f.input.abbrevText; }, "B1B", "BS"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SaveFixture f = testing::makeSaveFixture("Bruins", true, c.source);
    const SaveRun unedited = save(f);
    EXPECT_EQ(unedited.result.outcome, SaveOutcome::Saved);
    EXPECT_TRUE(unedited.changed.empty());

    c.box(f) = c.refused;
    const SaveRun refused = save(f);
    EXPECT_EQ(refused.result.outcome, SaveOutcome::InputRefused);
    EXPECT_EQ(refused.opens, 0);
    c.box(f) = c.accepted;
    const SaveRun edited = save(f);
    EXPECT_EQ(edited.result.outcome, SaveOutcome::Saved);
    EXPECT_FALSE(edited.changed.empty());
  }
}

// Only the typed letters are written: the third byte of the field keeps what it held, and an empty
// box writes nothing.
TEST(SavePipeline, AbbreviationWritesOnlyTheTypedLetters) {
  SaveFixture f = testing::makeSaveFixture("Kings");
  const std::uint32_t b = f.row->abbrevOffset;
  for (const auto& [text, field] : {std::pair<std::string, std::string>{"x_", std::string("X\0K", 3)},
                                    {"", std::string("X\0K", 3)},
                                    {"la", "LAK"}}) {
    f.input.abbrevText = text;
    ASSERT_EQ(save(f).result.outcome, SaveOutcome::Saved) << text;
    EXPECT_EQ(std::string(f.rom.bytes().begin() + b, f.rom.bytes().begin() + b + 3), field) << text;
  }
}

}  // namespace
}  // namespace quarven::save
