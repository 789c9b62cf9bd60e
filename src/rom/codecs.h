#pragma once
// The character sets of player names, team names and abbreviations, and the line-slot lookup.
// One ROM byte per character. Texts are UTF-8; a "character" is one code point.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarven::codec {

// A byte as one or two upper-case hexadecimal digits without a leading zero ("0", "5", "1B").
std::string hexText(std::uint8_t value);
// The value of a hexadecimal digit of either case; nothing for any other character.
std::optional<std::uint8_t> hexDigitValue(char c);

// Decoders: the character for a byte of the set, otherwise the byte's hex text.
// changeplayerletter: A-Z . space a-z '
std::string decodePlayerLetter(std::uint8_t value);
// changeteamletter: A-Z . space a-z, 0x00 as "_"
std::string decodeTeamLetter(std::uint8_t value);
// fillteamabbrev, one letter: A-Z, and back what the abbreviation encoder writes (. space, 0x00 as "_")
std::string decodeAbbrevLetter(std::uint8_t value);
// The abbreviation field as the abbreviation box shows it: its bytes decoded and joined.
std::string decodeAbbreviation(std::span<const std::uint8_t> field);

// Encoders: the byte for a text that is exactly one character of the set; nothing otherwise
// (a character outside the set, an empty text, two or more characters).
// changeplayerletterback: A-Z . space a-z '
std::optional<std::uint8_t> encodePlayerLetter(std::string_view character);
// changethetempletter: A-Z . space a-z, "_" as 0x00
std::optional<std::uint8_t> encodeTeamLetter(std::string_view character);
// changetheabbrevletter: A-Z . space, "_" as 0x00. The caller upper-cases first (see upperCaseAscii);
// lower-case letters are outside this set.
std::optional<std::uint8_t> encodeAbbrevLetter(std::string_view character);

// getlinename: line-slot value 1..25 gives the number text of roster row value - 1; any other value an
// empty text.
std::string lineSlotText(std::uint8_t value, const std::array<std::string, 25>& numberTexts);

// UTF-8 helpers shared by the encoders' callers.
std::vector<std::string> splitCharacters(std::string_view text);
std::size_t characterCount(std::string_view text);
std::string upperCaseAscii(std::string_view text);

}  // namespace quarven::codec
