#pragma once
// The bytes a SAVE of this load tried to write and could not put back when it failed: each may
// hold the value it held before that save or the one tried. The places they lie in are half
// written until a later SAVE has written every one of those bytes.

#include <cstdint>
#include <map>
#include <span>
#include <vector>

namespace quarven {

struct ByteRun {
  std::uint32_t offset = 0;
  std::vector<std::uint8_t> bytes;
  bool operator==(const ByteRun&) const = default;
};

class UnfinishedWrites {
 public:
  // A write not put back: its bytes that differ from what they held before are unfinished. A byte
  // already unfinished keeps the value it held before the first such save.
  void add(std::uint32_t offset, std::span<const std::uint8_t> before, std::span<const std::uint8_t> tried);
  // Bytes written for good.
  void finish(std::uint32_t offset, std::size_t count);

  bool empty() const { return before_.empty(); }
  // True when an unfinished byte lies in [from, to).
  bool within(std::uint32_t from, std::uint32_t to) const;
  // The unfinished bytes with what they held before, joined into runs of neighbouring offsets.
  std::vector<ByteRun> before() const;

  bool operator==(const UnfinishedWrites&) const = default;

 private:
  std::map<std::uint32_t, std::uint8_t> before_;
};

}  // namespace quarven
