#pragma once
// The tree's sort: top-down merge sort, split at (lo + hi) / 2, the left element taken while
// compare(left, right) <= 0, so equal nodes keep their order whatever the comparison says of
// other pairs. Sorts a copy: when compare throws, items are left as they were.
#include <cstddef>
#include <vector>

namespace ruzi {

template <typename Item, typename Compare>
class MergeSorter {
 public:
  MergeSorter(std::vector<Item>& items, Compare& compare)
      : items_(items), compare_(compare), work_(items), merged_(items.size()) {}

  void Sort() {
    if (work_.size() > 1) SortRange(0, work_.size() - 1);
    items_.swap(work_);
  }

 private:
  void SortRange(size_t lo, size_t hi) {
    if (lo >= hi) return;
    const size_t mid = (lo + hi) / 2;
    SortRange(lo, mid);
    SortRange(mid + 1, hi);
    size_t left = lo;
    size_t right = mid + 1;
    size_t out = lo;
    while (left <= mid && right <= hi) {
      merged_[out++] = compare_(work_[left], work_[right]) <= 0 ? work_[left++] : work_[right++];
    }
    while (left <= mid) merged_[out++] = work_[left++];
    while (right <= hi) merged_[out++] = work_[right++];
    for (size_t i = lo; i <= hi; ++i) work_[i] = merged_[i];
  }

  std::vector<Item>& items_;
  Compare& compare_;
  std::vector<Item> work_;
  std::vector<Item> merged_;
};

template <typename Item, typename Compare>
void MergeSortStable(std::vector<Item>& items, Compare compare) {
  MergeSorter<Item, Compare>(items, compare).Sort();
}

}  // namespace ruzi
