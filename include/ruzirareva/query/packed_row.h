#pragma once
// A memory dataset's stored row in one allocation: the cell count, each cell's end offset (the
// top bit marks a null), then the cells' bytes one after another. A dataset of a million rows
// then costs one block a row instead of a vector and a text each. Any thread may read a row
// no one changes.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

class RUZI_API PackedRow {
 public:
  using Cell = std::optional<std::string>;

  PackedRow() = default;
  // The cells, padded with nulls up to `count`.
  explicit PackedRow(const std::vector<Cell>& cells, size_t count);
  // Cells by view; `nulls[i]` true makes cell i null. Both as long as `count`.
  explicit PackedRow(const std::string_view* cells, const bool* nulls, size_t count);

  size_t Count() const;
  // Nothing for a null cell or one past the end.
  std::optional<std::string_view> CellAt(size_t index) const;
  // The same into `text`, false for nothing: the read of a walk over many cells, inline and
  // with nothing handed back through memory.
  bool ReadCell(size_t index, std::string_view& text) const {
    if (bytes_.empty()) return false;
    const uint32_t count = Word(0);
    if (index >= count) return false;
    const uint32_t end = Word(index + 1);
    if ((end & kNull) != 0) return false;
    const uint32_t start = index == 0 ? 0 : Word(index) & ~kNull;
    text = std::string_view(bytes_.data() + 4 * (size_t{count} + 1) + start, end - start);
    return true;
  }
  // The cells into `into` (its texts' room reused), `count` of them (padded with nulls).
  void Unpack(std::vector<Cell>& into, size_t count) const;
  // Where the row's bytes lie, to ask for them ahead.
  const char* Bytes() const { return bytes_.data(); }
  size_t ByteCount() const { return bytes_.size(); }

 private:
  static constexpr uint32_t kNull = 0x80000000u;
  uint32_t Word(size_t index) const {
    uint32_t value;
    std::memcpy(&value, bytes_.data() + 4 * index, 4);
    return value;
  }
  std::string bytes_;
};

}  // namespace ruzi
