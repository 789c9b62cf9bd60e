#pragma once
// Small conversions of the main window that no operation calls: a second player-name decoder, two
// readers of hexadecimal text, the zero-byte test and the team-name length text.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rom/messenger.h"

namespace quarven {

// Decodes a byte exactly as the player-name decoder does.
std::string changeletter(std::uint8_t value);

// The unsigned 32-bit value of a hexadecimal text, with or without an "&H" prefix (either case). Only
// the last eight characters count; a shorter text is read as if zero-padded on the left. A text whose
// last eight characters are not all hexadecimal digits gives 0, and so does an empty text.
// The result is the value itself, not a count of ten-thousandths.
std::uint32_t ConvertHex(std::string_view H);

// The value of a text of hexadecimal digits (either case) as a 32-bit signed integer. A text with any
// other character shows "<TEXT> is Not a valid hexadecimal number" under "Hex_to_Dec" with the critical
// icon and gives 0; so does a value wider than 32 bits (leading zeros do not count). Eight digits read
// as the 32-bit pattern ("FFFFFFFF" is -1); shorter texts are never negative ("8000" is 32768). An
// empty text gives 0 without a message.
std::int32_t HextoDec(std::string_view HexNum, Messenger& messenger);

// The two-digit hex text of a byte that is 0 ("00"); any other byte keeps its plain hex text.
std::string fixhex(std::uint8_t value);

// A team name's length as two decimal digits ("01" to "99"); nothing for 0, negative lengths and
// lengths of three digits.
std::optional<std::string> changeteampointer(int length);

}  // namespace quarven
