#pragma once
// What every node of one tree shares: created and freed by the root, reached from each node
// through its TreeInfo. The root's row cache lives here too, so nodes stay lean. Not thread-safe:
// the record belongs to the thread that builds its tree.
#include <cstdint>

#include "ruzirareva/treedata/expansion_kinds.h"
#include "ruzirareva/treedata/tree_events.h"

namespace ruzi {

class NodeSlab;

struct TsnTreeRecord {
  uint8_t UpdateSign = 0;
  TExpandFlag DefaultExpanded = efCollapse;
  TsnTreeNode* TopNode = nullptr;
  TsnCompareEvent OnCompare;
  // The shown row last found by index, so reading rows in order costs a step each.
  int32_t ViewNodeIndex = -1;
  TsnTreeNode* ViewNodeObject = nullptr;
  // Called before Node leaves Parent's list (freed or taken out), and after a subtree that was
  // elsewhere joins Parent's list (SetItem, Assign), so the data tree can keep its per-node
  // totals while the ancestors are reachable.
  void (*Unlinking)(void* Data, TsnTreeNode* Parent, TsnTreeNode* Node) = nullptr;
  void (*Relinked)(void* Data, TsnTreeNode* Parent, TsnTreeNode* Node) = nullptr;
  void* LinkData = nullptr;
  // Set while CustomSort runs: OnCompare may look at the tree but not change it.
  bool Sorting = false;
  // Where the tree's nodes and rows are allocated; made and freed by the root.
  NodeSlab* Slab = nullptr;
};

}  // namespace ruzi
