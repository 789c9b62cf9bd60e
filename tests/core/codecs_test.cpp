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
    {"PlayerLetter", decodePlayerLetter, encodePlayerLetter, kLetters + ". " + kLower + "'"},
    {"TeamLetter", decodeTeamLetter, encodeTeamLetter, kLetters + ". " + kLower + "_"},
    {"AbbrevLetter", decodeAbbrevLetter, encodeAbbrevLetter, kLetters + ". _"},
};

class CodecTable : public ::testing::TestWithParam<Codec> {};

// Nothing outside the set encodes, not even to the code the call before found.
TEST_P(CodecTable, EveryByteDecodesToItsCharacterOrItsHexTextAndOnlyTheSetEncodes) {
  using namespace std::string_view_literals;
  const Codec& codec = GetParam();
  for (unsigned b = 0; b < 256; ++b) {
    const char character = b == 0 ? '_' : static_cast<char>(b);
    const std::string decoded = codec.decode(static_cast<std::uint8_t>(b));
    char hex[4];
    std::snprintf(hex, sizeof hex, "%X", b);
    const bool inSet = codec.characters.find(character) != std::string::npos;
    if (inSet && b != '_') {
      EXPECT_EQ(decoded, std::string(1, character));
      EXPECT_EQ(codec.encode(decoded), std::optional<std::uint8_t>(b));
      continue;
    }
    EXPECT_EQ(decoded, hex);
    if (b == 0 || b >= 128 || inSet) continue;
    EXPECT_FALSE(codec.encode(std::string(1, character))) << b;
  }
  for (const std::string_view text : {""sv, "AB"sv, "A "sv, "é"sv, "\xC3"sv, "\0"sv})
    EXPECT_FALSE(codec.encode(text).has_value()) << "[" << text << "]";
}
INSTANTIATE_TEST_SUITE_P(Codecs, CodecTable, ::testing::ValuesIn(kCodecs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Codecs, LineSlotTextOnlyForRosterRows) {
  std::array<std::string, 25> numbers;
  for (int row = 0; row < 25; ++row) numbers[row] = std::to_string(row + 10);
  // In this order, a stale text from the lookup before would show up.
  const std::pair<std::uint8_t, std::string> cases[] = {{1, "10"}, {0, ""}, {25, "34"}, {26, ""}, {255, ""}};
  for (const auto& [value, text] : cases) EXPECT_EQ(lineSlotText(value, numbers), text) << int(value);
}

TEST(Codecs, Utf8Helpers) {
  EXPECT_EQ(splitCharacters("Aé'€😀"), (std::vector<std::string>{"A", "é", "'", "€", "😀"}));
  EXPECT_EQ(characterCount("A\xE2\x82"), 2u);  // a cut sequence stays one character
  EXPECT_EQ(upperCaseAscii("abc xyz.é"), "ABC XYZ.é");
}

}  // namespace
}  // namespace quarven::codec
