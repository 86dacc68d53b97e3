#pragma once
// Named orderings of a dataset: each lists its fields (names separated by ";") and options.
// The tree dataset sorts by them; the memory dataset only keeps them.
#include <string>
#include <deque>

#include "ruzirareva/export.h"

namespace ruzi {

enum TIndexOption : unsigned { ixPrimary = 1, ixUnique = 2, ixDescending = 4, ixCaseInsensitive = 8 };

struct RUZI_API IndexDef {
  std::string Name;
  std::string Fields;
  unsigned Options = 0;  // TIndexOption bits
};

class RUZI_API IndexDefs {
 public:
  IndexDef& Add(const std::string& name, const std::string& fields, unsigned options);
  void Clear() { defs_.clear(); }
  int Count() const { return static_cast<int>(defs_.size()); }
  const IndexDef& Items(int index) const;
  // The definition of that name (letter case ignored), or nullptr.
  const IndexDef* Find(const std::string& name) const;

 private:
  std::deque<IndexDef> defs_;
};

}  // namespace ruzi
