#include "rom/known_bytes.h"

namespace quarven {

namespace {
template <typename Values>
void set(Values& values, std::uint8_t value) {
  values.bits[value / 64] |= std::uint64_t{1} << (value % 64);
}
}  // namespace

void KnownBytes::add(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  Place place{offset, std::vector<Values>(bytes.size())};
  for (std::size_t i = 0; i < bytes.size(); ++i) set(place.bytes[i], bytes[i]);
  places_.push_back(std::move(place));
}

void KnownBytes::update(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (Values* known = find(offset + static_cast<std::uint32_t>(i))) {
      *known = {};
      set(*known, bytes[i]);
    }
}

void KnownBytes::allow(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (Values* known = find(offset + static_cast<std::uint32_t>(i))) set(*known, bytes[i]);
}

bool KnownBytes::accepts(std::uint32_t offset, std::uint8_t value) const {
  const Values* known = find(offset);
  return !known || (known->bits[value / 64] >> (value % 64) & 1) != 0;
}

const KnownBytes::Values* KnownBytes::find(std::uint32_t offset) const {
  for (const Place& place : places_)
    if (offset >= place.offset && offset - place.offset < place.bytes.size())
      return &place.bytes[offset - place.offset];
  return nullptr;
}

}  // namespace quarven
