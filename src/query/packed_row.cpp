#include "query/packed_row.h"

#include <algorithm>
#include <cstring>

namespace ruzi {
namespace {

void PutWord(std::string& bytes, size_t index, uint32_t value) { std::memcpy(bytes.data() + 4 * index, &value, 4); }

// The header words and the bytes, written in place (one allocation).
template <typename CellAt>
std::string Packed(size_t count, CellAt cell_at) {
  size_t total = 4 * (count + 1);
  for (size_t i = 0; i < count; ++i) total += cell_at(i).value_or(std::string_view()).size();
  std::string bytes(total, '\0');
  PutWord(bytes, 0, static_cast<uint32_t>(count));
  uint32_t end = 0;
  char* out = bytes.data() + 4 * (count + 1);
  for (size_t i = 0; i < count; ++i) {
    const std::optional<std::string_view> cell = cell_at(i);
    if (cell) {
      std::memcpy(out + end, cell->data(), cell->size());
      end += static_cast<uint32_t>(cell->size());
    }
    PutWord(bytes, i + 1, end | (cell ? 0 : 0x80000000u));
  }
  return bytes;
}

}  // namespace

PackedRow::PackedRow(const std::vector<Cell>& cells, size_t count)
    : bytes_(Packed(std::max(count, cells.size()), [&](size_t i) -> std::optional<std::string_view> {
        if (i >= cells.size() || !cells[i]) return std::nullopt;
        return std::string_view(*cells[i]);
      })) {}

PackedRow::PackedRow(const std::string_view* cells, const bool* nulls, size_t count)
    : bytes_(Packed(count, [&](size_t i) -> std::optional<std::string_view> {
        if (nulls[i]) return std::nullopt;
        return cells[i];
      })) {}

size_t PackedRow::Count() const { return bytes_.empty() ? 0 : Word(0); }

std::optional<std::string_view> PackedRow::CellAt(size_t index) const {
  std::string_view text;
  if (!ReadCell(index, text)) return std::nullopt;
  return text;
}

void PackedRow::Unpack(std::vector<Cell>& into, size_t count) const {
  into.resize(std::max(count, Count()));
  for (size_t i = 0; i < into.size(); ++i) {
    const std::optional<std::string_view> cell = CellAt(i);
    if (!cell) {
      into[i].reset();
    } else if (into[i]) {
      into[i]->assign(*cell);
    } else {
      into[i].emplace(*cell);
    }
  }
  into.resize(count);
}

}  // namespace ruzi
