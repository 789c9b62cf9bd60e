#include "colours/colour_model.h"

#include "rom/codecs.h"

namespace quarven::colours {

namespace {

constexpr std::uint32_t kChannelStep = 8;
constexpr std::uint16_t kComponentMask = 0x1F;

std::uint8_t lowByte(std::uint16_t word) {
  return static_cast<std::uint8_t>(word & 0xFF);
}
std::uint8_t highByte(std::uint16_t word) {
  return static_cast<std::uint8_t>(word >> 8);
}

}  // namespace

std::uint32_t x8Colour(std::uint16_t word) {
  const std::uint32_t red = word & kComponentMask;
  const std::uint32_t green = (word >> 5) & kComponentMask;
  const std::uint32_t blue = (word >> 10) & kComponentMask;
  return kChannelStep * (red | green << 8 | blue << 16);
}

std::optional<std::uint16_t> wordOfX8(std::uint32_t displayColour) {
  if (displayColour > 0xFFFFFF) return std::nullopt;
  if ((displayColour & 0x070707) != 0) return std::nullopt;  // some channel is no multiple of 8
  const std::uint32_t red = (displayColour & 0xFF) / kChannelStep;
  const std::uint32_t green = ((displayColour >> 8) & 0xFF) / kChannelStep;
  const std::uint32_t blue = ((displayColour >> 16) & 0xFF) / kChannelStep;
  return static_cast<std::uint16_t>(red | green << 5 | blue << 10);
}

std::string colourText(std::uint16_t word) {
  return colourTextOfBytes(lowByte(word), highByte(word));
}

std::string colourTextOfBytes(std::uint8_t low, std::uint8_t high) {
  return codec::hexText(low) + codec::hexText(high);
}

std::string wordText(std::uint16_t word) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const std::uint8_t b : {lowByte(word), highByte(word)}) {
    text += kDigits[b >> 4];
    text += kDigits[b & 0x0F];
  }
  return text;
}

std::string decimalColourText(std::uint32_t displayColour) {
  return std::to_string(displayColour);
}

}  // namespace quarven::colours
