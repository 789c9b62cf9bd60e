#include "rom/unfinished_writes.h"

namespace quarven {

void UnfinishedWrites::add(std::uint32_t offset, std::span<const std::uint8_t> before,
                           std::span<const std::uint8_t> tried) {
  for (std::size_t i = 0; i < before.size() && i < tried.size(); ++i)
    if (before[i] != tried[i]) before_.emplace(offset + static_cast<std::uint32_t>(i), before[i]);
}

void UnfinishedWrites::finish(std::uint32_t offset, std::size_t count) {
  before_.erase(before_.lower_bound(offset), before_.lower_bound(offset + static_cast<std::uint32_t>(count)));
}

bool UnfinishedWrites::within(std::uint32_t from, std::uint32_t to) const {
  const auto it = before_.lower_bound(from);
  return it != before_.end() && it->first < to;
}

std::vector<ByteRun> UnfinishedWrites::before() const {
  std::vector<ByteRun> runs;
  for (const auto& [offset, value] : before_) {
    if (runs.empty() || runs.back().offset + runs.back().bytes.size() != offset) runs.push_back({offset, {}});
    runs.back().bytes.push_back(value);
  }
  return runs;
}

}  // namespace quarven
