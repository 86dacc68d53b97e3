#include "ui/grid_axis.h"

#include <algorithm>
#include <cstdlib>

namespace ruzi {
namespace {

constexpr int kLine = 1;

int Count(const TGridAxis& axis) { return static_cast<int>(axis.Sizes.size()); }
int Size(const TGridAxis& axis, int index) { return axis.Sizes[static_cast<size_t>(index)]; }

// Whether `index` (at or after `first`) is shown whole from `first`.
bool Whole(const TGridAxis& axis, int first, int index) {
  return GridAxisStart(axis, first, index) + Size(axis, index) <= axis.Extent;
}

}  // namespace

int GridAxisStart(const TGridAxis& axis, int first, int index) {
  if (index >= axis.Fixed && index < first) return -1;
  int start = 0;
  for (int i = 0; i < index; ++i) {
    if (i == axis.Fixed) i = std::max(i, first);
    if (i < index) start += Size(axis, i) + kLine;
  }
  return start;
}

int GridAxisCellAt(const TGridAxis& axis, int first, int position) {
  if (position < 0) return -1;
  int end = 0;
  for (int i = 0; i < Count(axis); ++i) {
    if (i == axis.Fixed) i = std::max(i, first);
    if (i >= Count(axis)) break;
    end += Size(axis, i) + kLine;
    if (position < end) return i;
  }
  return -1;
}

std::vector<int> GridAxisShown(const TGridAxis& axis, int first) {
  std::vector<int> shown;
  int start = 0;
  for (int i = 0; i < Count(axis) && start < axis.Extent; ++i) {
    if (i == axis.Fixed) i = std::max(i, first);
    if (i >= Count(axis)) break;
    shown.push_back(i);
    start += Size(axis, i) + kLine;
  }
  return shown;
}

int GridAxisWholeCount(const TGridAxis& axis, int first) {
  int count = 0;
  while (first + count < Count(axis) && Whole(axis, first, first + count)) ++count;
  return count;
}

int GridAxisLastFirst(const TGridAxis& axis) {
  const int last = Count(axis) - 1;
  if (last < axis.Fixed) return axis.Fixed;
  // Each step back takes one more cell in front of the last: go while it still fits.
  int first = last;
  if (!Whole(axis, first, last)) return last;
  while (first > axis.Fixed && Whole(axis, first - 1, last)) --first;
  return first;
}

int GridAxisScrollTo(const TGridAxis& axis, int first, int index) {
  first = std::clamp(first, axis.Fixed, GridAxisLastFirst(axis));
  if (index < first) return index;
  if (Whole(axis, first, index)) return first;
  int wanted = index;
  if (!Whole(axis, wanted, index)) return index;
  while (wanted > first + 1 && Whole(axis, wanted - 1, index)) --wanted;
  return wanted;
}

int GridAxisNearest(const TGridAxis& axis, int first, int position) {
  int nearest = first;
  const int whole = GridAxisWholeCount(axis, first);
  for (int index = first; index < first + whole; ++index) {
    if (GridAxisStart(axis, first, index) <= position) nearest = index;
  }
  return nearest;
}

TGridScrollBar GridAxisScrollBar(const TGridAxis& axis, int first) {
  const int count = Count(axis);
  return TGridScrollBar{count - axis.Fixed - 1, count - GridAxisLastFirst(axis), first - axis.Fixed};
}

int GridAxisLineNear(const TGridAxis& axis, int first, int position, int reach) {
  int nearest = -1, distance = reach + 1;
  for (int index : GridAxisShown(axis, first)) {
    const int line = GridAxisStart(axis, first, index) + Size(axis, index);
    if (std::abs(position - line) < distance) {
      nearest = index;
      distance = std::abs(position - line);
    }
  }
  return nearest;
}

}  // namespace ruzi
