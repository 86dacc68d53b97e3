#include "treedata/child_list.h"

#include <algorithm>

#include "treedata/tree_node.h"

namespace ruzi {
namespace {

// A shown neighbour is usually next door: look at a few before asking the index.
constexpr int32_t kNearbyScan = 2;

}  // namespace

void ChildList::Insert(int32_t index, TsnTreeNode* node) {
  items_.insert(items_.begin() + index, node);
  for (int32_t i = index; i < Count(); ++i) items_[i]->IndexHint = i;
  if (!index_.Valid()) return;
  if (index == Count() - 1) {
    index_.Append(node->ShownRows());
  } else {
    index_.Invalidate();
  }
}

void ChildList::Remove(int32_t index) {
  items_.erase(items_.begin() + index);
  for (int32_t i = index; i < Count(); ++i) items_[i]->IndexHint = i;
  if (!index_.Valid()) return;
  if (index == Count()) {
    index_.RemoveLast();
  } else {
    index_.Invalidate();
  }
}

void ChildList::Reorder(std::span<TsnTreeNode* const> items) {
  items_.assign(items.begin(), items.end());
  for (int32_t i = 0; i < Count(); ++i) {
    // A sorted list's nodes lie in no order in memory: ask for them ahead of the writes.
    if (i + 8 < Count()) __builtin_prefetch(items_[i + 8], 1);
    items_[i]->IndexHint = i;
  }
  index_.Invalidate();
}

void ChildList::RowsChanged(int32_t index, int32_t delta) {
  if (index_.Valid()) index_.Add(index, delta);
}

void ChildList::RowsRecounted() { index_.Invalidate(); }

bool ChildList::UseIndex() {
  if (Count() < kIndexedFrom) return false;
  if (!index_.Valid()) {
    std::vector<int32_t> rows(items_.size());
    for (size_t i = 0; i < items_.size(); ++i) rows[i] = items_[i]->ShownRows();
    index_.Rebuild(rows);
  }
  return true;
}

int32_t ChildList::TotalRows() { return RowsBefore(Count()); }

int32_t ChildList::RowsBefore(int32_t index) {
  if (UseIndex()) return index_.RowsBefore(index);
  int32_t rows = 0;
  for (int32_t i = 0; i < index; ++i) rows += items_[i]->ShownRows();
  return rows;
}

TsnTreeNode* ChildList::ChildAtRow(int32_t row, int32_t* rowsBefore) {
  if (UseIndex()) return items_[index_.EntryAtRow(row, rowsBefore)];
  int32_t before = 0;
  for (TsnTreeNode* child : items_) {
    const int32_t rows = child->ShownRows();
    if (row < before + rows) {
      *rowsBefore = before;
      return child;
    }
    before += rows;
  }
  return nullptr;
}

TsnTreeNode* ChildList::FirstShownFrom(int32_t index) {
  const int32_t scanEnd = Count() < kIndexedFrom ? Count() : std::min(Count(), index + kNearbyScan);
  for (int32_t i = index; i < scanEnd; ++i) {
    if (items_[i]->GetVisible()) return items_[i];
  }
  if (scanEnd == Count()) return nullptr;
  UseIndex();
  const int32_t before = index_.RowsBefore(scanEnd);
  if (before == index_.TotalRows()) return nullptr;
  int32_t unused = 0;
  return items_[index_.EntryAtRow(before, &unused)];
}

TsnTreeNode* ChildList::LastShownBefore(int32_t index) {
  const int32_t scanEnd = Count() < kIndexedFrom ? 0 : std::max(0, index - kNearbyScan);
  for (int32_t i = index - 1; i >= scanEnd; --i) {
    if (items_[i]->GetVisible()) return items_[i];
  }
  if (scanEnd == 0) return nullptr;
  UseIndex();
  const int32_t before = index_.RowsBefore(scanEnd);
  if (before == 0) return nullptr;
  int32_t unused = 0;
  return items_[index_.EntryAtRow(before - 1, &unused)];
}

}  // namespace ruzi
