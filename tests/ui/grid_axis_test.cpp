// A string grid's axis arithmetic against a brute-force model that lays the cells out pixel by
// pixel: which cell owns each pixel, which cells are shown and shown whole, how far scrolling
// may go and where it goes to show a cell, for random sizes, fixed counts, extents and firsts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <vector>

#include "ui/grid_axis.h"

namespace ruzi {
namespace {

// The axis painted into a strip of pixels: each pixel holds the cell it belongs to (its line
// included), -1 where no cell is.
struct Strip {
  std::vector<int> owner;
  std::vector<int> start;  // -1: not laid out

  Strip(const std::vector<int>& sizes, int fixed, int first) : start(sizes.size(), -1) {
    for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
      if (i >= fixed && i < first) continue;
      start[static_cast<size_t>(i)] = static_cast<int>(owner.size());
      owner.insert(owner.end(), static_cast<size_t>(sizes[static_cast<size_t>(i)]) + 1, i);
    }
  }
  int At(int position) const {
    return position >= 0 && position < static_cast<int>(owner.size()) ? owner[static_cast<size_t>(position)] : -1;
  }
  bool Whole(const std::vector<int>& sizes, int index, int extent) const {
    const int from = start[static_cast<size_t>(index)];
    return from >= 0 && from + sizes[static_cast<size_t>(index)] <= extent;
  }
};

struct Model {
  const std::vector<int>& sizes;
  int fixed, extent;
  int Count() const { return static_cast<int>(sizes.size()); }
  bool Whole(int first, int index) const { return Strip(sizes, fixed, first).Whole(sizes, index, extent); }
  int LastFirst() const {
    for (int first = fixed; first < Count(); ++first) {
      if (Whole(first, Count() - 1)) return first;
    }
    return Count() - 1;
  }
  // The allowed first nearest to `first` that shows `index` whole.
  int ScrollTo(int first, int index) const {
    int best = -1;
    for (int candidate = fixed; candidate <= LastFirst(); ++candidate) {
      if (Whole(candidate, index) && (best < 0 || std::abs(candidate - first) < std::abs(best - first))) best = candidate;
    }
    return best < 0 ? index : best;
  }
};

TEST(GridAxis, AgreesWithThePixelModel) {
  std::mt19937 random(25);
  for (int round = 0; round < 400; ++round) {
    std::vector<int> sizes(1 + random() % 12);
    for (int& size : sizes) size = static_cast<int>(random() % 4 == 0 ? random() % 3 : 5 + random() % 40);
    const int count = static_cast<int>(sizes.size());
    const int fixed = static_cast<int>(random() % count);
    const int extent = static_cast<int>(random() % 200);
    const TGridAxis axis{sizes, fixed, extent};
    const Model model{sizes, fixed, extent};
    const int last_first = GridAxisLastFirst(axis);
    ASSERT_EQ(last_first, model.LastFirst()) << round;
    for (int first = fixed; first < count; ++first) {
      const Strip strip(sizes, fixed, first);
      for (int index = 0; index < count; ++index) {
        ASSERT_EQ(GridAxisStart(axis, first, index), strip.start[static_cast<size_t>(index)]) << round << " " << index;
      }
      for (int position = -2; position < static_cast<int>(strip.owner.size()) + 3; ++position) {
        ASSERT_EQ(GridAxisCellAt(axis, first, position), strip.At(position)) << round << " at " << position;
      }
      std::vector<int> shown;
      for (int position = 0; position < extent; ++position) {
        const int cell = strip.At(position);
        if (cell >= 0 && (shown.empty() || shown.back() != cell)) shown.push_back(cell);
      }
      ASSERT_EQ(GridAxisShown(axis, first), shown) << round << " from " << first;
      int whole = 0;
      while (first + whole < count && strip.Whole(sizes, first + whole, extent)) ++whole;
      ASSERT_EQ(GridAxisWholeCount(axis, first), whole) << round << " from " << first;
      for (int index = fixed; index < count; ++index) {
        const int moved = GridAxisScrollTo(axis, first, index);
        ASSERT_EQ(moved, model.ScrollTo(first, index)) << round << " from " << first << " to " << index;
        ASSERT_GE(moved, fixed);
        ASSERT_LE(moved, std::max(last_first, index));
      }
    }
  }
}

}  // namespace
}  // namespace ruzi
