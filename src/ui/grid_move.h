#pragma once
// Moving one row or column of a grid to another place: the ones between shift by one toward the
// place it left. Portable: any thread.
#include <algorithm>

namespace ruzi {

// Where the item at `index` is once the one at `from` has moved to `to`.
inline int GridMovedIndex(int from, int to, int index) {
  if (index == from) return to;
  if (from < to && index > from && index <= to) return index - 1;
  if (to < from && index >= to && index < from) return index + 1;
  return index;
}

// Moves the item at `from` to `to` in items of `stride` elements each, starting at `first`.
template <typename Iterator>
void GridMoveItem(Iterator first, int from, int to, int stride = 1) {
  const auto at = [&](int index) { return first + static_cast<std::ptrdiff_t>(index) * stride; };
  if (from < to) std::rotate(at(from), at(from + 1), at(to + 1));
  if (to < from) std::rotate(at(to), at(from), at(from + 1));
}

}  // namespace ruzi
