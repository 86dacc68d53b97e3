#include "treedata/shown_row_index.h"

namespace ruzi {
namespace {

int32_t LowBit(int32_t i) { return i & -i; }

}  // namespace

void ShownRowIndex::Rebuild(const std::vector<int32_t>& rows) {
  sums_ = rows;
  const int32_t n = static_cast<int32_t>(sums_.size());
  for (int32_t i = 1; i <= n; ++i) {
    const int32_t up = i + LowBit(i);
    if (up <= n) sums_[up - 1] += sums_[i - 1];
  }
  valid_ = true;
}

void ShownRowIndex::Append(int32_t rows) {
  const int32_t i = static_cast<int32_t>(sums_.size()) + 1;
  sums_.push_back(rows + RowsBefore(i - 1) - RowsBefore(i - LowBit(i)));
}

void ShownRowIndex::RemoveLast() { sums_.pop_back(); }

void ShownRowIndex::Add(int32_t index, int32_t delta) {
  const int32_t n = static_cast<int32_t>(sums_.size());
  for (int32_t i = index + 1; i <= n; i += LowBit(i)) sums_[i - 1] += delta;
}

int32_t ShownRowIndex::RowsBefore(int32_t count) const {
  int32_t sum = 0;
  for (int32_t i = count; i > 0; i -= LowBit(i)) sum += sums_[i - 1];
  return sum;
}

int32_t ShownRowIndex::EntryAtRow(int32_t row, int32_t* rowsBefore) const {
  const int32_t n = static_cast<int32_t>(sums_.size());
  int32_t step = 1;
  while (step * 2 <= n) step *= 2;
  int32_t pos = 0;
  int32_t left = row;
  for (; step > 0; step /= 2) {
    if (pos + step <= n && sums_[pos + step - 1] <= left) {
      pos += step;
      left -= sums_[pos - 1];
    }
  }
  *rowsBefore = row - left;
  return pos;
}

}  // namespace ruzi
