#include "rom/known_bytes.h"

namespace quarven {

void KnownBytes::add(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  places_.push_back({offset, std::vector<std::optional<std::uint8_t>>(bytes.begin(), bytes.end())});
}

void KnownBytes::update(std::uint32_t offset, std::span<const std::uint8_t> bytes) {
  for (std::size_t i = 0; i < bytes.size(); ++i)
    if (auto* known = find(offset + static_cast<std::uint32_t>(i))) *known = bytes[i];
}

void KnownBytes::forget(std::uint32_t offset, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i)
    if (auto* known = find(offset + static_cast<std::uint32_t>(i))) known->reset();
}

std::optional<std::uint8_t> KnownBytes::at(std::uint32_t offset) const {
  for (const Place& place : places_)
    if (offset >= place.offset && offset - place.offset < place.bytes.size())
      return place.bytes[offset - place.offset];
  return std::nullopt;
}

std::optional<std::uint8_t>* KnownBytes::find(std::uint32_t offset) {
  for (Place& place : places_)
    if (offset >= place.offset && offset - place.offset < place.bytes.size())
      return &place.bytes[offset - place.offset];
  return nullptr;
}

}  // namespace quarven
