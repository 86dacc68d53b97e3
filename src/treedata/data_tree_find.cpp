// Filter expressions on the data tree's rows, and finding rows by them.
#include <map>
#include <string>

#include "query/data_set.h"
#include "query/qx_expr_parser.h"
#include "query/qx_filter_eval.h"
#include "treedata/data_tree.h"

namespace ruzi {
namespace {

// A row's cells as the filter evaluator reads them: each asked-for cell read once.
class RowCells : public TQxRowReader {
 public:
  RowCells(TDBTreeNode& tree, TsnTreeNode* node) : tree_(tree), node_(node) {}

  std::optional<std::string_view> FieldText(int index) const override {
    auto found = texts_.find(index);
    if (found == texts_.end()) {
      found = texts_.emplace(index, tree_.GetCellValue(node_, tree_.GetDataSet()->Fields(index))).first;
    }
    return std::string_view(found->second);
  }

 private:
  TDBTreeNode& tree_;
  TsnTreeNode* node_;
  mutable std::map<int, std::string> texts_;
};

TsnTreeNode* FirstPassing(TDBTreeNode& tree, TsnTreeNode* parent, const TQxExprParser& expr) {
  for (int32_t i = 0; i < parent->GetCount(); ++i) {
    TsnTreeNode* child = parent->GetItem(i);
    auto* row = static_cast<TTreeRowData*>(child->GetData());
    if (row != nullptr && tree.GetFilterExprValue(row, expr)) return child;
    if (TsnTreeNode* below = FirstPassing(tree, child, expr)) return below;
  }
  return nullptr;
}

}  // namespace

bool TDBTreeNode::GetFilterExprValue(TTreeRowData* Row, const TQxExprParser& Expr) {
  return EvaluateFilter(Expr, RowCells(*this, Row->GetNode()));
}

bool TDBTreeNode::CalFilterValue(TTreeRowData* Row, const std::string& Expr, unsigned Options) {
  const TQxExprParser parsed(DataSet_, Expr, Options);
  return GetFilterExprValue(Row, parsed);
}

TsnTreeNode* TDBTreeNode::FindNode(TsnTreeNode* Parent, const std::string& Expr, unsigned Options) {
  return FindRecord(Parent, DataSet_, Expr, Options);
}

// Searches by itself: a class that overrides FindNode does not change what FindNodeEx finds.
TsnTreeNode* TDBTreeNode::FindNodeEx(TsnTreeNode* Parent, const std::string& Expr, unsigned Options) {
  return FindRecord(Parent, DataSet_, Expr, Options);
}

TsnTreeNode* TDBTreeNode::FindRecord(TsnTreeNode* Parent, DataSet* DataSet, const std::string& Filter,
                                     unsigned Options) {
  const TQxExprParser parsed(DataSet != nullptr ? DataSet : DataSet_, Filter, Options);
  return FirstPassing(*this, Parent != nullptr ? Parent : this, parsed);
}

TsnTreeNode* TDBTreeNode::LocateRecord(DataSet* DataSet, const std::string& Filter, unsigned Options) {
  return FindRecord(this, DataSet, Filter, Options);
}

TsnTreeNode* TDBTreeNode::DoLocateRecord(const std::string& Expr, unsigned Options) {
  return LocateRecord(DataSet_, Expr, Options);
}

}  // namespace ruzi
