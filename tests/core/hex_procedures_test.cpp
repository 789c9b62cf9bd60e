#include "rom/hex_procedures.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "save_fixture.h"

namespace quarven {
namespace {

// changeletter decodes like the player-name decoder; fixhex pads only the zero byte.
TEST(HexProcedures, ChangeletterAndFixhex) {
  const std::tuple<std::uint8_t, const char*, const char*> cases[] = {
      {0x41, "A", "41"}, {0x27, "'", "27"}, {0x00, "0", "00"}, {0x1B, "1B", "1B"}, {0x05, "5", "5"}};
  for (const auto& [byte, letter, hex] : cases)
    EXPECT_EQ(std::tuple(changeletter(byte), fixhex(byte)), std::tuple(letter, hex)) << int(byte);
}

// Only the last eight characters count; anything that is not hex gives 0.
TEST(HexProcedures, ConvertHexReadsTheLastEightCharacters) {
  const std::pair<std::string_view, std::uint32_t> cases[] = {
      {"&hff", 255}, {"", 0},         {"&H", 0},     {"123456789", 0x23456789}, {"xx12345678", 0x12345678},
      {"-1", 0},     {"1234567g", 0}, {"&H&HFF", 0}, {"\303\2511", 0}};  // the last: "é1"
  for (const auto& [text, value] : cases) EXPECT_EQ(ConvertHex(text), value) << "[" << text << "]";
}

// Eight digits read as a signed pattern; text that is no hex number gives 0 and a critical message.
TEST(HexProcedures, HextoDec) {
  const std::pair<std::string_view, std::int32_t> values[] = {
      {"1a", 26},        {"", 0}, {"7FFFFFFF", 0x7FFFFFFF}, {"FFFFFFFF", -1}, {"80000000", INT32_MIN},
      {"000000001F", 31}};
  testing::RecordingMessenger quiet;
  for (const auto& [text, value] : values) EXPECT_EQ(HextoDec(text, quiet), value) << "[" << text << "]";
  EXPECT_TRUE(quiet.texts.empty());
  for (const auto& [text, shown] :
       {std::pair{"1g", "1G"}, {"&H1A", "&H1A"}, {" 1", " 1"}, {"zz9", "ZZ9"}, {"100000000", "100000000"}}) {
    testing::RecordingMessenger messenger;
    EXPECT_EQ(HextoDec(text, messenger), 0) << text;
    EXPECT_EQ(std::tuple(messenger.texts, messenger.titles, messenger.icons),
              std::tuple(std::vector{std::string(shown) + " is Not a valid hexadecimal number"},
                         std::vector<std::string>{"Hex_to_Dec"}, std::vector{UserMessage::Icon::Critical}));
  }
}

TEST(HexProcedures, ChangeteampointerGivesTwoDecimalDigits) {
  const std::pair<int, std::optional<std::string>> cases[] = {{1, "01"},  {9, "09"}, {10, "10"}, {20, "20"},
                                                              {99, "99"}, {0, {}},   {-3, {}},   {100, {}}};
  for (const auto& [length, text] : cases) EXPECT_EQ(changeteampointer(length), text) << length;
}

}  // namespace
}  // namespace quarven
