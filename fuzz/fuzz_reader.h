#pragma once
// Reads a fuzz input front to back in the small formats the fuzz targets define. Past the end every
// read yields nothing, so a short input simply leaves the rest at its defaults.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quarven::fuzz {

class FuzzReader {
 public:
  explicit FuzzReader(std::span<const std::uint8_t> data) : data_(data) {}

  bool empty() const { return pos_ >= data_.size(); }
  std::optional<std::uint8_t> byte() {
    if (empty()) return std::nullopt;
    return data_[pos_++];
  }
  // Little-endian, `count` bytes (at most 4); nothing unless all of them are there.
  std::optional<std::uint32_t> word(std::size_t count) {
    if (data_.size() - pos_ < count || empty()) return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value |= std::uint32_t{data_[pos_++]} << (8 * i);
    return value;
  }
  // A length byte, then that many bytes (fewer when the input ends first).
  std::optional<std::string> text() {
    const auto length = byte();
    if (!length) return std::nullopt;
    const std::size_t n = std::min<std::size_t>(*length, data_.size() - pos_);
    std::string out(reinterpret_cast<const char*>(data_.data() + pos_), n);
    pos_ += n;
    return out;
  }
  // Up to `count` bytes, fewer when the input ends first.
  std::span<const std::uint8_t> bytes(std::size_t count) {
    const std::size_t n = std::min(count, data_.size() - pos_);
    const auto out = data_.subspan(pos_, n);
    pos_ += n;
    return out;
  }
  std::span<const std::uint8_t> rest() { return bytes(data_.size() - pos_); }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

}  // namespace quarven::fuzz
