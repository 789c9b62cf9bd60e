#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "save/save_messages.h"
#include "save/save_pipeline.h"
#include "save_fixture.h"

namespace quarven::save {
namespace {

using testing::MemoryOpener;
using testing::RecordingMessenger;
using testing::SaveFixture;

struct Refusal {
  const char* what;
  std::function<void(SaveFixture&)> edit;
  std::string message;
};

// Every refused save names its problem, opens nothing and writes nothing.
TEST(SaveRefusal, RefusedSavesWriteNothing) {
  const std::vector<Refusal> cases = {
      {"empty team name", [](SaveFixture& f) { f.input.teamNameText.clear(); }, kTeamNameEmpty},
      {"21-letter team name", [](SaveFixture& f) { f.input.teamNameText = std::string(21, 'A'); },
       kTeamNameTooLong},
      {"21-letter team name before a bad row",
       [](SaveFixture& f) {
         f.input.teamNameText = std::string(21, 'A');
         f.input.numberTexts[0] = "";
       },
       kTeamNameTooLong},
      {"28-letter player name", [](SaveFixture& f) { f.input.nameTexts[2] = std::string(28, 'a'); },
       "Player row 3: the name has 28 characters; a player name can have at most 27."},
      {"player name with a digit", [](SaveFixture& f) { f.input.nameTexts[0] = "Bob9"; },
       "Player row 1: the name holds the character \"9\", which player names cannot use. Use A to Z, a to z, "
       "space, full stop or apostrophe."},
      {"player name with an accent", [](SaveFixture& f) { f.input.nameTexts[1] = "Jos\xC3\xA9"; },
       "Player row 2: the name holds the character \"\xC3\xA9\""},
      {"empty number", [](SaveFixture& f) { f.input.numberTexts[4] = ""; },
       "Player row 5: the number \"\" is not a jersey number. Use one or two digits."},
      {"three-digit number", [](SaveFixture& f) { f.input.numberTexts[4] = "100"; },
       "Player row 5: the number"},
      {"non-hex number", [](SaveFixture& f) { f.input.numberTexts[4] = "1G"; },
       "Player row 5: the number \"1G\""},
      {"line box without a player",
       [](SaveFixture& f) { f.input.lineTexts[1][3] = "AB"; },  // numbers are decimal
       "SCORING 2, RD: no player has the number \"AB\". Enter the number of a player of this team."},
      {"line box matched by number, not text",
       [](SaveFixture& f) { f.input.lineTexts[6][0] = "0" + f.input.numberTexts[0]; },
       "PEN. KILL 2, C: no player has the number"},
      {"line box naming a hidden row",
       [](SaveFixture& f) {
         f.input.numberTexts[20] = "A5";  // Mighty Ducks have 18 rows
         f.input.lineTexts[5][3] = "A5";
       },
       "PEN. KILL 1, LD: no player has the number \"A5\""},
      {"four-letter abbreviation", [](SaveFixture& f) { f.input.abbrevText = "ABCD"; },
       "The abbreviation \"ABCD\" has 4 characters; an abbreviation can have at most 3."},
      {"abbreviation with a hyphen", [](SaveFixture& f) { f.input.abbrevText = "a-b"; },
       "The abbreviation holds the character \"-\", which abbreviations cannot use. Use A to Z, full stop, "
       "space or _."},
      {"team name with an apostrophe",
       [](SaveFixture& f) {
         f.input.teamNameChangeOn = true;
         f.input.teamNameText = "O'Ducks";
       },
       "The team name holds the character \"'\", which team names cannot use. Use A to Z, a to z, full stop, "
       "space or _."},
      {"away colour without a word", [](SaveFixture& f) { f.input.sampleColours[18] = 0x008000; },
       "AWAY uniform, Helmet and jersey: this colour cannot be saved. Pick another colour for this part."},
      {"unreadable records, before the empty rows they leave",
       [](SaveFixture& f) {
         f = testing::makeSaveFixture("Mighty Ducks", false,
                                      testing::SyntheticRom().recordLengthByte("Mighty Ducks", 3, 0));
       },
       "The player records of MIGHTY DUCKS OF ANAHEIM could not be read when the team was loaded (the "
       "record of roster row 4 has the length byte 0, which is no record length), so this team cannot be "
       "saved."},
      {"no team loaded", [](SaveFixture& f) { f.team.loaded = false; }, "Load a team before saving."},
  };
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.what);
    SaveFixture f = testing::makeSaveFixture("Mighty Ducks");
    c.edit(f);
    const auto before = f.rom.bytes();
    MemoryOpener opener(f.rom);
    RecordingMessenger messages;
    const SaveResult result = runSave(opener, f.team, f.input, messages);
    EXPECT_NE(result.outcome, SaveOutcome::Saved);
    EXPECT_EQ(opener.opens, 0);
    EXPECT_EQ(f.rom.bytes(), before);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind(c.message, 0), 0u) << messages.texts[0];
    EXPECT_EQ(messages.titles[0], "QUARVEN EDITOR");
  }
}

TEST(SaveRefusal, ChecksThatDoNotApplyLetTheSaveThrough) {
  const std::vector<std::pair<const char*, std::function<void(SaveFixture&)>>> cases = {
      {"bad characters in a disabled team-name box",
       [](SaveFixture& f) { f.input.teamNameText = "O'Ducks 9"; }},
      {"bad abbreviation in a disabled box",
       [](SaveFixture& f) {
         f.input.abbrevChangeOn = false;
         f.input.abbrevText = "a-b-c";
       }},
      {"one blank as team name", [](SaveFixture& f) { f.input.teamNameText = " "; }},
      {"20-letter team name", [](SaveFixture& f) { f.input.teamNameText = std::string(20, 'z'); }},
      {"garbage in hidden rows",
       [](SaveFixture& f) {
         f.input.nameTexts[18] = "9999";
         f.input.numberTexts[24] = "xyz";
       }},

  };
  for (const auto& [what, edit] : cases) {
    SCOPED_TRACE(what);
    SaveFixture f = testing::makeSaveFixture("Mighty Ducks");
    edit(f);
    const auto before = f.rom.bytes();
    MemoryOpener opener(f.rom);
    RecordingMessenger messages;
    EXPECT_EQ(runSave(opener, f.team, f.input, messages).outcome, SaveOutcome::Saved);
    EXPECT_EQ(messages.texts, std::vector<std::string>{kSaved});
    EXPECT_EQ(f.rom.bytes(), before);  // nothing that was shown differs from the image
  }
}

}  // namespace
}  // namespace quarven::save
