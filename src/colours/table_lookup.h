#pragma once
// Lookup in a fixed colour table: the row's value, or nothing when no row has the key.

#include <optional>

namespace quarven::colours {

template <class Table, class Key>
std::optional<typename Table::mapped_type> findRow(const Table& table, const Key& key) {
  const auto row = table.find(key);
  if (row == table.end()) return std::nullopt;
  return row->second;
}

}  // namespace quarven::colours
