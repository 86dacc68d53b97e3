#include "treedata/data_tree.h"

#include <cstdlib>

#include "foundation/convert_error.h"
#include "foundation/date_time_text.h"
#include "foundation/error.h"
#include "foundation/string_to_number.h"
#include "query/data_set.h"
#include "query/qx_compare.h"
#include "query/qx_list.h"
#include "query/qx_sort_list.h"

namespace ruzi {

TDBTreeNode::TDBTreeNode()
    : TsnTreeNode(nullptr, false),
      AuxList(std::make_unique<TQxList>()),
      SortList(std::make_unique<TQxSortList>()),
      Compare(std::make_unique<TQxCompare>()),
      FreeNotifier(std::make_unique<TFreeMutiField>()),
      BufferDefs(std::make_unique<TTreeQueryFieldBufferDefs>()) {
  TreeInfo->Unlinking = &TDBTreeNode::CountOut;
  TreeInfo->Relinked = &TDBTreeNode::CountIn;
  TreeInfo->LinkData = this;
  SetCompared(TsnCompareEvent{[](void* data, TsnTreeNode* sender, TsnTreeNode* a, TsnTreeNode* b, int32_t& result) {
                                static_cast<TDBTreeNode*>(data)->TreeItemSort(sender, a, b, result);
                              },
                              this});
}

TDBTreeNode::~TDBTreeNode() {
  // While this class's NodeDeleted still answers, so every row is handed to OnFreeRowNode.
  RemovingAll = true;
  ClearChild();
  FreeRow(RowOf(this));
  SetData(nullptr);
}

// --- rows of nodes ---

TTreeRowData* TDBTreeNode::NewRow(TsnTreeNode* Node, bool IsGroup) {
  auto* row = new (TreeInfo->Slab) TTreeRowData(FieldOperType, DataSet_, BufferDefs->CacheLayout(), true);
  row->SetSeqNo(++SeqCounter);
  row->SetNode(Node);
  row->SetIsGroup(IsGroup);
  Node->SetData(row);
  if (BySeqNo.size() <= static_cast<size_t>(SeqCounter)) BySeqNo.resize(SeqCounter + 1 + BySeqNo.size() / 2);
  BySeqNo[SeqCounter] = Node;
  return row;
}

void TDBTreeNode::FreeRow(TTreeRowData* Row) {
  if (Row == nullptr) return;
  OnFreeRowNode(Row);
  const auto seq = static_cast<size_t>(Row->GetSeqNo());
  if (seq < BySeqNo.size() && BySeqNo[seq] == Row->GetNode()) BySeqNo[seq] = nullptr;
  delete Row;
}

TsnTreeNode* TDBTreeNode::NodeOfSeqNo(int32_t SeqNo) const {
  return SeqNo > 0 && static_cast<size_t>(SeqNo) < BySeqNo.size() ? BySeqNo[SeqNo] : nullptr;
}

// A subtree leaves its parent: its data rows leave the totals of every node above, whose
// aggregates are worked out again (a removal of every row does that once, at its end).
void TDBTreeNode::CountOut(void* Data, TsnTreeNode* Parent, TsnTreeNode* Node) {
  auto* tree = static_cast<TDBTreeNode*>(Data);
  tree->CountRows(Parent, -DataRowsOf(Node), !tree->RemovingAll);
}

// A subtree that was elsewhere joins Parent.
void TDBTreeNode::CountIn(void* Data, TsnTreeNode* Parent, TsnTreeNode* Node) {
  static_cast<TDBTreeNode*>(Data)->CountRows(Parent, DataRowsOf(Node), true);
}

int32_t TDBTreeNode::DataRowsOf(const TsnTreeNode* Node) {
  const TTreeRowData* row = RowOf(Node);
  return Node->GetStockCount() + (row != nullptr && row->GetIsStock() ? 1 : 0);
}

void TDBTreeNode::CountRows(TsnTreeNode* From, int32_t Rows, bool Stale) {
  for (TsnTreeNode* above = From; above != nullptr; above = above->GetParent()) {
    above->SetStockCount(above->GetStockCount() + Rows);
    if (TTreeRowData* row = Stale ? RowOf(above) : nullptr) row->ReStatFieldValue();
  }
}

void TDBTreeNode::NodeDeleted(TsnTreeNode* Node) {
  if (Node == this) return;
  FreeRow(RowOf(Node));
  Node->SetData(nullptr);
  std::free(Node->GetExtraBlock());
  Node->SetExtraBlock(nullptr);
}

void TDBTreeNode::Clear() {
  SortList->Clear();
  AuxList->Clear();
  ExpandStateSaved = 0;
  TsnTreeNode::Clear();
  StockCount = 0;
}

// --- building ---

void TDBTreeNode::ParseDbDatas(const std::vector<DataField*>& Fields) {
  Clear();
  FreeRow(RowOf(this));
  SetData(nullptr);
  BySeqNo.clear();
  SeqCounter = 0;
  std::vector<DataField*> fields = Fields;
  if (fields.empty() && DataSet_ != nullptr) {
    for (int i = 0; i < DataSet_->GetFieldCount(); ++i) fields.push_back(DataSet_->Fields(i));
  }
  DoParseFields(fields);
  if (DataSet_ != nullptr) BufferDefs->Init(DataSet_);
  InitTopNodeRowData();
  DoBuildTree();
}

void TDBTreeNode::DoParseFields(const std::vector<DataField*>& Fields) {
  FreeNotifier->Clear();
  for (DataField* field : Fields) {
    DataField* source = StockQry != nullptr ? StockQry->FindField(field->FieldName()) : nullptr;
    FreeNotifier->Attach(field, source);
    DoGetFieldGroupType(field);
    DoGetFieldExpression(field);
  }
}

void TDBTreeNode::DoGetFieldGroupType(DataField* Field) {
  TMultiField* companion = TMultiField::Of(Field);
  if (companion == nullptr) return;
  const DataField* named = companion->SourceField != nullptr ? companion->SourceField : Field;
  OnGetFieldGroupType(named->FieldName(), companion->GroupType);
}

void TDBTreeNode::DoGetFieldExpression(DataField*) {}

void TDBTreeNode::InitTopNodeRowData() {
  if (RowOf(this) == nullptr) NewRow(this, true);
  SetText("全部汇总");
}

void TDBTreeNode::DoBuildTree() {
  BeginUpdate();
  InternalReset();
  BeginBuildTree(this);
  EndUpdate();
}

TAppendedRow TDBTreeNode::AppendChild(TsnTreeNode* Parent, const std::string& Text, int32_t Index, bool IsGroup,
                                      bool AddParentKey) {
  TsnTreeNode* node = TsnTreeNode::AppendChild(Parent, Text, AddParentKey, Index);
  return TAppendedRow{node, NewRow(node, IsGroup)};
}

TsnTreeNode* TDBTreeNode::BindStock(TsnTreeNode* Parent, const std::string& Key, int32_t Index, int32_t RecNo) {
  if (StockQry != nullptr && StockQry->GetRecNo() != RecNo) StockQry->SetRecNo(RecNo);
  return BindStock(Parent, Key, Index, TInvestType(), '1', RecNo);
}

TsnTreeNode* TDBTreeNode::BindStock(TsnTreeNode* Parent, const std::string& Key, int32_t Index,
                                    const TInvestType& InvestType, uint8_t PositionFlag, int32_t RecNo) {
  const TAppendedRow added = AppendChild(Parent, Key, Index, false, false);
  added.Row->SetRecNo(RecNo);
  if (!InvestType.empty()) added.Row->SetInvest(InvestType.data(), static_cast<int32_t>(InvestType.size()));
  added.Row->SetPositionFlag(PositionFlag);
  added.Row->SetIsStock(true);
  OnBindStock(added.Node, RecNo, PositionFlag, InvestType);
  AfterBindStock(added.Node);
  return added.Node;
}

void TDBTreeNode::AfterBindStock(TsnTreeNode* Node) { CountRows(Node->GetParent(), 1, true); }

// --- removing ---

void TDBTreeNode::RemoveStock(TsnTreeNode* Node) {
  if (Node == nullptr || Node == this) return;
  Node->Delete();
}

void TDBTreeNode::RemoveTreeStock() {
  RemovingAll = true;
  try {
    RemoveDataRowsBelow(this);
  } catch (...) {
    RemovingAll = false;
    throw;
  }
  RemovingAll = false;
  ReStatGroups(this);
}

void TDBTreeNode::RemoveDataRowsBelow(TsnTreeNode* Node) {
  Node->DeleteChildren(
      [](void*, TsnTreeNode* child) {
        const TTreeRowData* row = RowOf(child);
        return row != nullptr && row->GetIsStock();
      },
      nullptr);
  for (int32_t i = 0; i < Node->GetCount(); ++i) RemoveDataRowsBelow(Node->GetItem(i));
}

void TDBTreeNode::HideEmptyNode(TsnTreeNode* Node) {
  if (Node == nullptr) Node = this;
  Node->DeleteChildren(
      [](void*, TsnTreeNode* child) {
        const TTreeRowData* row = RowOf(child);
        return child->GetStockCount() == 0 && (row == nullptr || row->GetIsGroup());
      },
      nullptr);
  for (int32_t i = 0; i < Node->GetCount(); ++i) {
    if (Node->GetItem(i)->GetStockCount() > 0) HideEmptyNode(Node->GetItem(i));
  }
  ReStatAncestors(Node, nullptr);
  ReStatFieldsOf(Node);
}

// --- stale values ---

void TDBTreeNode::ReStatFieldsOf(TsnTreeNode* Node) {
  if (TTreeRowData* row = RowOf(Node)) row->ReStatFieldValue();
}

void TDBTreeNode::ReStatAncestors(TsnTreeNode* Node, DataField* Field) {
  for (TsnTreeNode* above = Node->GetParent(); above != nullptr; above = above->GetParent()) {
    TTreeRowData* row = RowOf(above);
    if (row == nullptr) continue;
    if (Field != nullptr) {
      row->ReStat(Field);
    } else {
      row->ReStatFieldValue();
    }
  }
}

void TDBTreeNode::ReStatGroups(TsnTreeNode* Node) {
  TTreeRowData* row = RowOf(Node);
  if (row != nullptr && !row->GetIsGroup()) return;
  if (row != nullptr) row->ReStatFieldValue();
  for (int32_t i = 0; i < Node->GetCount(); ++i) ReStatGroups(Node->GetItem(i));
}

void TDBTreeNode::ReCalcNodeParentsFields(TsnTreeNode* Node) {
  if (Node != nullptr) ReStatAncestors(Node, nullptr);
}

void TDBTreeNode::SetNodeCalcType(TNodeCalcType Value) {
  if (NodeCalcType == Value) return;
  NodeCalcType = Value;
  ReStatGroups(this);
}

void TDBTreeNode::DoRefreshData() {
  BeginCalAllRow(TRowProc{[](void* data, TTreeRowData* row) {
                            if (static_cast<TDBTreeNode*>(data)->RefreshReadOnly) {
                              row->ResetReadOnlyFieldValue();
                            } else {
                              row->ResetFieldValue();
                            }
                          },
                          this});
}

namespace {

void VisitRows(TsnTreeNode* node, const TRowProc& proc) {
  if (auto* row = static_cast<TTreeRowData*>(node->GetData())) proc(row);
  for (int32_t i = 0; i < node->GetCount(); ++i) VisitRows(node->GetItem(i), proc);
}

// Children first, so a parent's expansion is set over children already restored.
void RestoreBelow(TsnTreeNode* node) {
  for (int32_t i = 0; i < node->GetCount(); ++i) RestoreBelow(node->GetItem(i));
  if (const auto* row = static_cast<TTreeRowData*>(node->GetData()); row != nullptr && node->GetLevel() > 0) {
    node->SetExpand(row->GetSavedExpanded());
  }
}

}  // namespace

void TDBTreeNode::BeginCalAllRow(TRowProc Proc) { VisitRows(this, Proc); }

// --- expansion ---

void TDBTreeNode::SaveExpandState() {
  BeginCalAllRow(TRowProc{[](void*, TTreeRowData* row) {
                            if (row->GetNode() != nullptr) row->SetSavedExpanded(row->GetNode()->GetExpandFlag());
                          },
                          nullptr});
  ExpandStateSaved = 1;
}

void TDBTreeNode::RestoreExpandState() {
  if (ExpandStateSaved) RestoreBelow(this);
}

int32_t TDBTreeNode::ExpandToNode(TsnTreeNode* Node) {
  if (Node == nullptr || Node == this) return 0;
  std::vector<TsnTreeNode*> above;
  for (TsnTreeNode* node = Node->GetParent(); node != nullptr && node != this; node = node->GetParent()) {
    above.push_back(node);
  }
  for (auto it = above.rbegin(); it != above.rend(); ++it) {
    if (!(*it)->GetExpandFlag()) (*it)->SetExpand(true);
  }
  return Node->GetViewIndex() + 1;
}

// --- rows ---

TTreeRowData* TDBTreeNode::GetRowData(int32_t Index) {
  if (Index < 0 || Index >= ViewCount()) throw Error("GetRowData出错！无对应行" + std::to_string(Index));
  return RowOf(GetViewItem(Index));
}

int32_t TDBTreeNode::GetRowIndexByBookMark(int32_t Hint, int32_t SeqNo) {
  if (Hint >= 1 && Hint <= GetRecordCount()) {
    const TTreeRowData* row = RowOf(GetViewItem(Hint - 1));
    if (row != nullptr && row->GetSeqNo() == SeqNo) return Hint - 1;
  }
  const TsnTreeNode* node = NodeOfSeqNo(SeqNo);
  return node != nullptr ? node->GetViewIndex() : -1;
}

int32_t TDBTreeNode::GetFieldCount() const { return DataSet_ != nullptr ? DataSet_->GetFieldCount() : 0; }

// --- conversions ---

double TDBTreeNode::snStrToFloat(const std::string& Text) { return Text.empty() ? 0 : StrToFloat(Text); }

double TDBTreeNode::TranStrToDateTime(const char* Text, int32_t Len) {
  const std::string_view text(Text, Len > 0 ? Len : 0);
  if (text.empty()) return 0;
  if (const auto value = TryTextToDateTime(text)) return *value;
  throw ConvertError("'" + std::string(text) + "' is not a valid date and time");
}

}  // namespace ruzi
