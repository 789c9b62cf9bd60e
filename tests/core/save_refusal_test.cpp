#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "colours/colour_word_table.h"
#include "save/save_messages.h"
#include "save/save_pipeline.h"
#include "save/save_validation.h"
#include "save_fixture.h"

namespace quarven::save {
namespace {

using testing::SaveFixture;

using Check = std::tuple<const char*, std::function<void(SaveFixture&)>, std::string>;

const Check kChecks[] = {
    {"TeamNameEmpty", [](auto& f) { f.input.teamNameText.clear(); }, kTeamNameEmpty},
    {"TeamNameTooLongBeforeBadRow",
     [](auto& f) { f.input.teamNameText = std::string(21, 'A'), f.input.numberTexts[0] = ""; },
     kTeamNameTooLong},
    {"NameTooLong", [](auto& f) { f.input.nameTexts[2] = std::string(28, 'a'); },
     "Player row 3: the name has 28 characters; a player name can have at most 27."},
    {"NameWithDigit", [](auto& f) { f.input.nameTexts[0] = "Bob9"; },
     "Player row 1: the name holds the character \"9\", which player names cannot use. Use A to Z, a to z, "
     "space, full stop or apostrophe."},
    {"NameWithControlCharacter", [](auto& f) { f.input.nameTexts[0] = "Bo\x7F"; },
     "Player row 1: the name holds the character with code 127, which"},
    {"NameWithAccent", [](auto& f) { f.input.nameTexts[1] = "Jos\xC3\xA9"; },
     "Player row 2: the name holds the character \"\xC3\xA9\""},
    {"NumberEmpty", [](auto& f) { f.input.numberTexts[4] = ""; },
     "Player row 5: the number \"\" is not a jersey number. Use one or two digits."},
    {"NumberOf3Digits", [](auto& f) { f.input.numberTexts[4] = "100"; }, "Player row 5: the number \"100\""},
    {"NumberInHex", [](auto& f) { f.input.numberTexts[4] = "1G"; }, "Player row 5: the number \"1G\""},
    {"LineSlotLeadingZero",
     [](auto& f) { f.input.lineTexts[6][0] = "0" + f.input.numberTexts[0]; },  // text, not value
     "PEN. KILL 2, C: no player has the number"},
    {"LineSlotHiddenRow", [](auto& f) { f.input.numberTexts[20] = f.input.lineTexts[5][3] = "A5"; },
     "PEN. KILL 1, LD: no player has the number \"A5\""},
    {"AbbreviationTooLong", [](auto& f) { f.input.abbrevText = "ABCD"; },
     "The abbreviation \"ABCD\" has 4 characters; an abbreviation can have at most 3."},
    {"AbbreviationHyphen", [](auto& f) { f.input.abbrevText = "a-b"; },
     "The abbreviation holds the character \"-\", which abbreviations cannot use. Use A to Z, full stop, "
     "space or _."},
    {"TeamNameWithApostrophe",
     [](auto& f) { f.input.teamNameChangeOn = true, f.input.teamNameText = "O'Ducks"; },
     "The team name holds the character \"'\", which team names cannot use. Use A to Z, a to z, full stop "
     "or space."},
    {"TeamNameWithUnderscore",
     [](auto& f) { f.input.teamNameChangeOn = true, f.input.teamNameText = "DAL_LAS"; },
     "The team name holds the character \"_\", which ends a name in the ROM image's list of team names and "
     "so cannot be part of one. Use A to Z, a to z, full stop or space."},
    {"UnreadableRecords",
     [](auto& f) {  // before the empty rows they leave
       f = testing::makeSaveFixture("Mighty Ducks", false,
                                    testing::SyntheticRom().recordLengthByte("Mighty Ducks", 3, 0));
     },
     "The player records of MIGHTY DUCKS OF ANAHEIM could not be read when the team was loaded (the "
     "record of roster row 4 has the length byte 0, which is no record length), so this team cannot be "
     "saved."},
    {"NoTeamLoaded", [](auto& f) { f.team.loaded = false; }, "Load a team before saving."},
    {"TeamNameBoxOff", [](auto& f) { f.input.teamNameText = "O'Ducks_9"; }, ""},
    {"AbbreviationChangeOff", [](auto& f) { f.input.abbrevChangeOn = false, f.input.abbrevText = "a-b-c"; },
     ""},
    {"TeamNameOfOneSpace", [](auto& f) { f.input.teamNameText = " "; }, ""},
    {"TeamNameOf20Characters", [](auto& f) { f.input.teamNameText = std::string(20, 'z'); }, ""},
    {"HiddenRowsUnchecked", [](auto& f) { f.input.nameTexts[18] = "9999", f.input.numberTexts[24] = "xyz"; },
     ""},
};

class SaveRefusal : public ::testing::TestWithParam<Check> {};

// A refused save shows its one message (a prefix here), opens nothing and writes nothing; an edit
// that no check applies to (no message) saves and leaves the image as it was.
TEST_P(SaveRefusal, RefusesWithNothingWrittenOrLetsTheSaveThrough) {
  const auto& [name, edit, message] = GetParam();
  SaveFixture f = testing::makeSaveFixture("Mighty Ducks");
  edit(f);
  const auto before = f.rom.bytes();
  testing::MemoryOpener opener(f.rom);
  testing::RecordingMessenger messages;
  const SaveOutcome outcome = runSave(opener, f.team, f.input, messages).outcome;
  EXPECT_EQ(f.rom.bytes(), before);
  ASSERT_EQ(messages.titles, std::vector<std::string>{"QUARVEN EDITOR"});
  if (message.empty()) {
    EXPECT_EQ(std::tie(outcome, messages.texts[0]), std::tuple(SaveOutcome::Saved, kSaved));
    return;
  }
  EXPECT_NE(outcome, SaveOutcome::Saved);
  EXPECT_EQ(opener.opens, 0);
  EXPECT_EQ(messages.texts[0].rfind(message, 0), 0u) << messages.texts[0];
}
INSTANTIATE_TEST_SUITE_P(EachCheck, SaveRefusal, ::testing::ValuesIn(kChecks),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

// Each line and each uniform part is named in its refusal as the window labels it; line l is tried at
// box l modulo its box count, so that every position is named too.
TEST(SaveRefusal, NamesEveryLineAndEveryUniformPart) {
  const SaveFixture loaded = testing::makeSaveFixture("Mighty Ducks");
  const auto problem = [&](const auto& edit) {
    SaveInput input = loaded.input;
    edit(input);
    return prepareSave(loaded.team, input, colours::editthecolor(input.sampleColours)).problem;
  };
  const char* lines[] = {"SCORING 1, RW",   "SCORING 2, C",    "CHECKING, LW",   "POW. PLAY 1, RD",
                         "POW. PLAY 2, LD", "PEN. KILL 1, LW", "PEN. KILL 2, RD"};
  for (int line = 0; line < 7; ++line)
    EXPECT_EQ(problem([&](SaveInput& in) { in.lineTexts[line][line % layout::kLineSlots[line]] = "AB"; }),
              std::string(lines[line]) +
                  ": no player has the number \"AB\". Enter the number of a player of this team.");
  const char* parts[] = {"Sleeve",        "Pants",         "Socks",   "Shoulders",         "Top stripe",
                         "Bottom stripe", "Middle stripe", "Shading", "Helmet and jersey", "Shoulder stripe"};
  for (int slot = 0; slot < 20; ++slot)
    EXPECT_EQ(problem([&](SaveInput& in) { in.recoloured[slot] = true, in.sampleColours[slot] = 0x008000; }),
              std::string(slot < 10 ? "HOME" : "AWAY") + " uniform, " + parts[slot % 10] +
                  ": this colour cannot be saved. Pick another colour for this part.");
}

}  // namespace
}  // namespace quarven::save
