#pragma once
// A list of untyped pointers the tree keeps beside its rows (AuxList). It never frees what it
// holds: the owner of the items does. Not thread-safe.
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

class RUZI_API TQxList {
 public:
  // Adds at the end; returns the item's index.
  int Add(void* item);
  int Count() const { return static_cast<int>(items_.size()); }
  // Item I; an index outside the list raises Error "List index out of bounds (I)".
  void* Items(int index) const;
  void Delete(int index);
  // Index of the first occurrence, or -1.
  int IndexOf(const void* item) const;
  void Clear() { items_.clear(); }

 private:
  std::vector<void*> items_;
};

}  // namespace ruzi
