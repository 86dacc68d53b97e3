#pragma once
// A data tree that filters its rows: a data row failing the filter is hidden, a group row shows
// while any data row below it passes, and clearing the filter shows exactly the rows the filter
// hid (rows hidden before stay hidden). Rows keep their SeqNo, so bookmarks survive a filter.
// Not thread-safe.
#include <cstdint>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/treedata/data_tree.h"

namespace ruzi {

class RUZI_API FilteredDataTree : public TDBTreeNode {
 public:
  // Evaluates Filter (the dataset filter syntax, TFilterOption bits) once per data row. A
  // filter already active is cleared first. A bad filter raises and changes nothing.
  void ActivateFilters(const std::string& Filter, unsigned Options);
  void DeactivateFilters();
  bool GetFilterActive() const { return Active; }

 private:
  bool HideFailing(TsnTreeNode* Node, const TQxExprParser& Expr);

  bool Active = false;
  // The rows the filter hid, by SeqNo: a row freed since is simply gone.
  std::vector<int32_t> HiddenRows;
};

}  // namespace ruzi
