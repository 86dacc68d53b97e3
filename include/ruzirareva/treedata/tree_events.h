#pragma once
// The tree's events: a code address and the object it is called for, like every event of the
// library, so a handler crosses a module boundary as two plain pointers. An event without code
// is not called. Events are called on the thread that changes or sorts the tree.
#include <cstdint>

namespace ruzi {

class TsnTreeNode;

struct TsnNodeEvent {
  void (*Code)(void* Data, TsnTreeNode* Node) = nullptr;
  void* Data = nullptr;
};

// Compare < 0 puts Node1 first, > 0 Node2; 0 keeps their order.
struct TsnCompareEvent {
  void (*Code)(void* Data, TsnTreeNode* Sender, TsnTreeNode* Node1, TsnTreeNode* Node2,
               int32_t& Compare) = nullptr;
  void* Data = nullptr;
};

}  // namespace ruzi
