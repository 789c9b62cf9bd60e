#include "rom/codecs.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

namespace quarven::codec {
namespace {

const std::string kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
const std::string kLower = "abcdefghijklmnopqrstuvwxyz";

struct Codec {
  const char* name;
  std::function<std::string(std::uint8_t)> decode;
  std::function<std::optional<std::uint8_t>(std::string_view)> encode;
  std::string characters;  // the set as single ASCII characters; '_' stands for the byte 0x00
};

const Codec kCodecs[] = {
    {"player", decodePlayerLetter, encodePlayerLetter, kLetters + ". " + kLower + "'"},
    {"team", decodeTeamLetter, encodeTeamLetter, kLetters + ". " + kLower + "_"},
    {"abbreviation", decodeAbbrevLetter, encodeAbbrevLetter, kLetters + ". _"},
};

std::string upperHex(unsigned value) {
  char buffer[4];
  std::snprintf(buffer, sizeof buffer, "%X", value);
  return buffer;
}

TEST(Codecs, EveryByteDecodesToItsCharacterOrItsHexText) {
  for (const Codec& codec : kCodecs) {
    for (unsigned b = 0; b < 256; ++b) {
      const char character = b == 0 ? '_' : static_cast<char>(b);
      const bool inSet = codec.characters.find(character) != std::string::npos && (b != '_');
      const std::string decoded = codec.decode(static_cast<std::uint8_t>(b));
      SCOPED_TRACE(std::string(codec.name) + " byte " + upperHex(b));
      if (inSet) {
        EXPECT_EQ(decoded, std::string(1, character));
        EXPECT_EQ(codec.encode(decoded), std::optional<std::uint8_t>(b));
      } else {
        EXPECT_EQ(decoded, upperHex(b));
      }
    }
  }
}

TEST(Codecs, EncodersRefuseWhatIsOutsideTheirSet) {
  using namespace std::string_view_literals;
  const std::string_view outsideEverySet[] = {"", "AB", "A ", "é", "\xC3", "-", "0", "\t", "\0"sv};
  for (const Codec& codec : kCodecs) {
    SCOPED_TRACE(codec.name);
    for (const std::string_view text : outsideEverySet)
      EXPECT_FALSE(codec.encode(text).has_value()) << "[" << text << "]";
  }
  ASSERT_EQ(encodeAbbrevLetter("Z"), 0x5A);
  EXPECT_FALSE(encodeAbbrevLetter("z"));  // not the code of the call before
  EXPECT_FALSE(encodePlayerLetter("_"));
  EXPECT_TRUE(encodeTeamLetter("_"));
  EXPECT_FALSE(encodeTeamLetter("'"));
  EXPECT_FALSE(encodeAbbrevLetter("'"));
  for (const char c : kLower) EXPECT_FALSE(encodeAbbrevLetter(std::string(1, c))) << c;
}

TEST(Codecs, LineSlotTextOnlyForRosterRows) {
  std::array<std::string, 25> numbers;
  for (int row = 0; row < 25; ++row) numbers[row] = std::to_string(row + 10);
  const std::pair<std::uint8_t, std::string> cases[] = {
      {1, "10"}, {0, ""}, {25, "34"}, {26, ""}, {27, ""}, {255, ""},
  };
  // In this order, a stale text from the lookup before would show up.
  for (const auto& [value, text] : cases) EXPECT_EQ(lineSlotText(value, numbers), text) << int(value);
}

TEST(Codecs, Utf8Helpers) {
  EXPECT_EQ(splitCharacters("Aé'"), (std::vector<std::string>{"A", "é", "'"}));
  EXPECT_EQ(characterCount("Aé'"), 3u);
  EXPECT_EQ(characterCount(""), 0u);
  EXPECT_EQ(splitCharacters("A\xE2\x82").size(), 2u);  // a cut sequence stays one character
  EXPECT_EQ(characterCount("A\xE2\x82"), 2u);
  EXPECT_EQ(upperCaseAscii("abc xyz.é"), "ABC XYZ.é");
}

}  // namespace
}  // namespace quarven::codec
