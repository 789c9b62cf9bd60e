#include "colours/colour_model.h"

#include "rom/codecs.h"

namespace quarven::colours {

namespace {
constexpr std::uint32_t kChannelStep = 8;
constexpr std::uint16_t kComponentMask = 0x1F;
}  // namespace

std::uint32_t x8Colour(std::uint16_t word) {
  const std::uint32_t red = word & kComponentMask;
  const std::uint32_t green = (word >> 5) & kComponentMask;
  const std::uint32_t blue = (word >> 10) & kComponentMask;
  return kChannelStep * (red | green << 8 | blue << 16);
}

std::string colourText(std::uint16_t word) {
  return codec::hexText(static_cast<std::uint8_t>(word & 0xFF)) +
         codec::hexText(static_cast<std::uint8_t>(word >> 8));
}

std::array<std::string, layout::kColourSlots> colourTexts(
    std::span<const std::uint16_t, layout::kColourSlots> words) {
  std::array<std::string, layout::kColourSlots> texts;
  for (std::size_t slot = 0; slot < words.size(); ++slot) texts[slot] = colourText(words[slot]);
  return texts;
}

}  // namespace quarven::colours
