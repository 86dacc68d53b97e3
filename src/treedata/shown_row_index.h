#pragma once
// Prefix sums of the rows each child of one node shows (its own row and the rows below it), as
// a Fenwick tree: the child holding a given row and the rows before a given child cost
// O(log n). Appending and removing the last child keep it; other changes of the list drop it
// until it is next needed.
#include <cstdint>
#include <vector>

namespace ruzi {

class ShownRowIndex {
 public:
  bool Valid() const { return valid_; }
  void Invalidate() {
    valid_ = false;
    sums_.clear();
  }
  void Rebuild(const std::vector<int32_t>& rows);
  void Append(int32_t rows);
  void RemoveLast();
  void Add(int32_t index, int32_t delta);

  // Rows shown by the first count entries.
  int32_t RowsBefore(int32_t count) const;
  int32_t TotalRows() const { return RowsBefore(static_cast<int32_t>(sums_.size())); }
  // The entry whose rows hold row (0 <= row < TotalRows()), and the rows before it.
  int32_t EntryAtRow(int32_t row, int32_t* rowsBefore) const;

 private:
  std::vector<int32_t> sums_;  // sums_[i] holds entries (i + 1 - lowbit(i + 1)) .. i
  bool valid_ = false;
};

}  // namespace ruzi
