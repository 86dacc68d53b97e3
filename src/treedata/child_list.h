#pragma once
// A node's children in display order, each told its position, with the index of the rows they
// show. Short lists are scanned; a list of kIndexedFrom children or more answers row questions
// from a ShownRowIndex, built when first asked and kept up to date while it stays valid.
#include <cstdint>
#include <span>

#include "ruzirareva/treedata/large_block_allocator.h"

#include "treedata/shown_row_index.h"

namespace ruzi {

class TsnTreeNode;

class ChildList {
 public:
  static constexpr int32_t kIndexedFrom = 4;

  int32_t Count() const { return static_cast<int32_t>(items_.size()); }
  TsnTreeNode* At(int32_t index) const { return items_[index]; }
  const LargeVector<TsnTreeNode*>& Items() const { return items_; }

  void Insert(int32_t index, TsnTreeNode* node);
  void Remove(int32_t index);
  // The same children in a new order.
  void Reorder(std::span<TsnTreeNode* const> items);
  // The child at index now shows delta rows more.
  void RowsChanged(int32_t index, int32_t delta);
  // Many children changed their rows at once.
  void RowsRecounted();

  int32_t TotalRows();
  int32_t RowsBefore(int32_t index);
  // The child whose rows hold row (0 <= row < TotalRows()), and the rows before it.
  TsnTreeNode* ChildAtRow(int32_t row, int32_t* rowsBefore);
  // The first visible child at index or later, the last one before index; nullptr when none.
  TsnTreeNode* FirstShownFrom(int32_t index);
  TsnTreeNode* LastShownBefore(int32_t index);

 private:
  bool UseIndex();

  LargeVector<TsnTreeNode*> items_;
  ShownRowIndex index_;
};

}  // namespace ruzi
