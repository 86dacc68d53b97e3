#include "treedata/filtered_data_tree.h"

#include "query/qx_expr_parser.h"

namespace ruzi {

void FilteredDataTree::ActivateFilters(const std::string& Filter, unsigned Options) {
  const TQxExprParser parsed(GetDataSet(), Filter, Options);
  DeactivateFilters();
  Active = true;
  HideFailing(this, parsed);
  if (GetNodeCalcType() == CTVisible) ReStatGroups(this);
}

// Whether a data row at or below Node passes; the rows without one are hidden on the way back.
bool FilteredDataTree::HideFailing(TsnTreeNode* Node, const TQxExprParser& Expr) {
  TTreeRowData* row = RowOf(Node);
  bool passes = false;
  if (row != nullptr && row->GetIsStock()) {
    passes = GetFilterExprValue(row, Expr);
  } else {
    for (int32_t i = 0; i < Node->GetCount(); ++i) passes = HideFailing(Node->GetItem(i), Expr) || passes;
  }
  if (!passes && Node != this && Node->GetVisible() && row != nullptr) {
    Node->SetVisible(false);
    HiddenRows.push_back(row->GetSeqNo());
  }
  return passes;
}

void FilteredDataTree::DeactivateFilters() {
  if (!Active) return;
  Active = false;
  for (auto it = HiddenRows.rbegin(); it != HiddenRows.rend(); ++it) {
    if (TsnTreeNode* node = NodeOfSeqNo(*it)) node->SetVisible(true);
  }
  HiddenRows.clear();
  if (GetNodeCalcType() == CTVisible) ReStatGroups(this);
}

}  // namespace ruzi
