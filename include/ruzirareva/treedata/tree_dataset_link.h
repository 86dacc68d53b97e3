#pragma once
// What a row asks of the dataset that shows its tree, when that dataset is a tree dataset: the
// check event and the grid's selection. Rows of other datasets do without both.
// Called on the dataset's thread.
#include <cstdint>

namespace ruzi {

class TsnTreeNode;

class ITreeDataSetLink {
 public:
  virtual ~ITreeDataSetLink() = default;
  // A row's check state changed; Sender is its node.
  virtual void NodeCheckChange(TsnTreeNode* Sender) = 0;
  // Whether the linked grid is active and has the row of that sequence number selected.
  virtual bool RowSelected(int32_t SeqNo) const = 0;
};

}  // namespace ruzi
