#pragma once
// TDBTreeNode: the root of a tree whose rows mirror a flat query result (StockQry) grouped under
// class nodes. The application builds the class nodes and binds each source record as a data
// row under its class (BeginBuildTree, AppendChild, BindStock). Cells of data rows are read
// lazily from the source record (without moving its cursor); cells of group rows are
// aggregates of their children, worked out when first read and again after any edit below
// them. The tree sorts sibling rows by a list of fields, evaluates filter expressions on rows,
// finds rows, and keeps each row's expansion across a save and restore.
// Columns are the fields of DataSet (field 0 is the tree column); each gets a companion
// (TMultiField) and a slot in every row (TTreeRowData).
// Errors raise ruzi::Error with the tree's messages ("排序时，字段X不存在！", "GetRowData出错！无对应行N",
// "Field [X] Not Find", "排序异常:..."); the tree stays as it was. Not thread-safe.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/treedata/data_tree_events.h"
#include "ruzirareva/treedata/field_buffer_defs.h"
#include "ruzirareva/treedata/large_block_allocator.h"
#include "ruzirareva/treedata/multi_field.h"
#include "ruzirareva/treedata/row_data_types.h"
#include "ruzirareva/treedata/tree_node.h"
#include "ruzirareva/treedata/tree_row_data.h"

namespace ruzi {

class DataField;
class DataSet;
class TQxCompare;
class TQxExprParser;
class TQxList;
class TQxSortList;

// A node made by AppendChild and its row.
struct TAppendedRow {
  TsnTreeNode* Node = nullptr;
  TTreeRowData* Row = nullptr;
};

// Publishes OnFreeRowNode, FieldOperType, StockQry (by the dataset's Name, found among the
// components of the owner of the source or column dataset), FieldCount and RecordCount (read
// only), OnGetFieldGroupType, BeginBuildTree, OnlySortDataNode, OnGetRooterValue, OnShareValue,
// OnGetFieldValue, OnBeforeEditValue, OnAfterEditValue, OnGetGroupValue, OnBindStock and
// RefreshReadOnly (property_access.h).
class RUZI_API TDBTreeNode : public TsnTreeNode {
  RUZI_CLASS_RECORD_PUBLISHED(TDBTreeNode, TsnTreeNode::ClassRecord())

 public:
  TDBTreeNode();
  // Frees every row (OnFreeRowNode for each, the root's last).
  ~TDBTreeNode() override;

  // Overrides of the node: a data row leaving the tree is counted out of its ancestors'
  // StockCount; its row and ExtraBlock (std::malloc'ed) are freed.
  void NodeDeleted(TsnTreeNode* Node) override;
  // Empties the sort list and AuxList, forgets the saved expansion, removes every node.
  void Clear() override;
  using TsnTreeNode::AppendChild;

  // Virtual operations, in slot order.
  // The first node below Parent (the root when nullptr), depth first, whose row passes Expr.
  virtual TsnTreeNode* FindNode(TsnTreeNode* Parent, const std::string& Expr, unsigned Options);
  virtual TsnTreeNode* FindNodeEx(TsnTreeNode* Parent, const std::string& Expr, unsigned Options);
  // Counts a newly bound data row in its ancestors' StockCount.
  virtual void AfterBindStock(TsnTreeNode* Node);
  virtual void DoBuildTree();
  // A group row's aggregate (cached until something below changes), a data row's cell.
  virtual std::string GetFieldGroupData(TsnTreeNode* Node, DataField* Field);
  virtual void DoBeforeEditData(TsnTreeNode* Node, DataField* Field, bool& CanEdit, const std::string& OldValue,
                                std::string& NewValue);
  virtual void DoAfterEditData(TsnTreeNode* Node, DataField* Field, const std::string& EditValue);
  virtual void DoGetGroupValue(TsnTreeNode* Node, DataField* Field, std::string& Value, bool& DefaultGetValue);
  virtual void DoRefreshData();
  virtual void DoGetFieldGroupType(DataField* Field);
  virtual void DoGetFieldExpression(DataField* Field);
  // The value a cell is worked out from: the aggregate for a group, the source text for a data
  // row ("0" for numeric columns without a source query).
  virtual std::string GetFieldValue(TsnTreeNode* Node, DataField* Field);
  virtual void RemoveStock(TsnTreeNode* Node);
  // Removes every data row, each child list compacted once.
  virtual void RemoveTreeStock();
  virtual void DoParseFields(const std::vector<DataField*>& Fields);
  // A cell's text, read once and cached in the row.
  virtual std::string GetCellValue(TsnTreeNode* Node, DataField* Field);
  // Shares an edited group value out over the children the aggregate counts.
  virtual void OnShareGroupValue(TTreeRowData* Row, DataField* Field, const std::string& OldText,
                                 const std::string& NewText);

  // Building. ParseDbDatas clears the tree, lays out the columns of Fields (every field of
  // DataSet when empty), makes the root row ("全部汇总") and builds (DoBuildTree).
  void ParseDbDatas(const std::vector<DataField*>& Fields = {});
  void InitTopNodeRowData();
  TAppendedRow AppendChild(TsnTreeNode* Parent, const std::string& Text, int32_t Index, bool IsGroup,
                           bool AddParentKey);
  // Binds source record RecNo (1-based) as a data row; this form first moves StockQry there.
  TsnTreeNode* BindStock(TsnTreeNode* Parent, const std::string& Key, int32_t Index, int32_t RecNo);
  TsnTreeNode* BindStock(TsnTreeNode* Parent, const std::string& Key, int32_t Index, const TInvestType& InvestType,
                         uint8_t PositionFlag, int32_t RecNo);

  // Sorting by the sort list; without one, rows keep the order they were made in.
  void AppendSort(const std::string& FieldName, bool Ascending);
  void ClearSort();
  void reSort();
  void TreeItemSort(TsnTreeNode* Sender, TsnTreeNode* Node1, TsnTreeNode* Node2, int32_t& Compare);
  int32_t GetSortTime() const { return SortTime; }

  // Cells.
  std::string GetColValue(TsnTreeNode* Node, DataField* Field) { return GetCellValue(Node, Field); }
  std::string GetRooterValue(DataField* Field);
  // The cached text when the slot has been read, else empty.
  std::string GetOldValue(TsnTreeNode* Node, DataField* Field);

  // Editing: sets Row's cell, shares a grouped column's new value out below a group row
  // (Share), and marks the aggregates above stale.
  void ModifyField(TTreeRowData* Row, DataField* Field, const std::string& NewText, bool Share);
  void DefaultShareEvent(TsnTreeNode* Node, TsnTreeNode* SubNode, TColFieldGroupType FieldGroupType,
                         DataField* Field, double GroupOldValue, double GroupNewValue, double LeaveValue,
                         double RowValue, double& NewValue);

  // Rows.
  int32_t GetRecordCount() const { return ViewCount(); }
  TTreeRowData* GetRowData(int32_t Index);
  // The 0-based shown row of the row with SeqNo; Hint (1-based) is tried first. -1 when none.
  int32_t GetRowIndexByBookMark(int32_t Hint, int32_t SeqNo);
  int32_t GetFieldCount() const;
  // The node of the row with SeqNo, or nullptr.
  TsnTreeNode* NodeOfSeqNo(int32_t SeqNo) const;

  // Filters (the dataset filter syntax over the tree's columns).
  bool CalFilterValue(TTreeRowData* Row, const std::string& Expr, unsigned Options);
  bool GetFilterExprValue(TTreeRowData* Row, const TQxExprParser& Expr);
  TsnTreeNode* FindRecord(TsnTreeNode* Parent, DataSet* DataSet, const std::string& Filter, unsigned Options);
  TsnTreeNode* LocateRecord(DataSet* DataSet, const std::string& Filter, unsigned Options);
  TsnTreeNode* DoLocateRecord(const std::string& Expr, unsigned Options);

  // Expansion: ExpandToNode opens the ancestors and answers the node's 1-based shown row (0
  // when it is hidden).
  int32_t ExpandToNode(TsnTreeNode* Node);
  void SaveExpandState();
  void RestoreExpandState();

  // Removing: group children of Node without data rows below (recursively).
  void HideEmptyNode(TsnTreeNode* Node);

  // Refreshing: cached values dropped (only read-only ones with RefreshReadOnly).
  void RefreshData() { DoRefreshData(); }
  // Marks every column of Node's ancestors stale.
  void ReCalcNodeParentsFields(TsnTreeNode* Node);
  // Calls Proc for every row, the root's first, in pre-order.
  void BeginCalAllRow(TRowProc Proc);

  // Conversions.
  static double snStrToFloat(const std::string& Text);
  static int32_t snBooleanToInt(bool Value) { return Value ? 1 : 0; }
  static std::string snBooleanToStr(bool Value) { return Value ? "1" : "0"; }
  static double TranStrToDateTime(const char* Text, int32_t Len);

  // Hooks a tree dataset may give meaning; empty here.
  void DeleteRow() {}
  void InsertRecord() {}
  int32_t GetCalFieldCount() const { return 0; }
  void AddCalField(DataField*) {}
  void GetNewDatas() {}
  void CancelUpdates() {}
  int32_t ChangeCount() const { return 0; }
  void EmptyDataSet() {}
  void ActivateFilters() {}
  void DeactivateFilters() {}

  // Fields and properties.
  int32_t GetSeqCounter() const { return SeqCounter; }
  bool GetSorted() const { return Sorted != 0; }
  DataSet* GetStockQry() const { return StockQry; }
  void SetStockQry(DataSet* Value) { StockQry = Value; }
  DataSet* GetDataSet() const { return DataSet_; }
  void SetDataSet(DataSet* Value) { DataSet_ = Value; }
  TQxList* GetAuxList() const { return AuxList.get(); }
  TNodeCalcType GetNodeCalcType() const { return NodeCalcType; }
  void SetNodeCalcType(TNodeCalcType Value);
  TQxSortList* GetSortList() const { return SortList.get(); }
  TQxCompare* GetCompare() const { return Compare.get(); }
  TFieldCreateModle GetFieldOperType() const { return FieldOperType; }
  void SetFieldOperType(TFieldCreateModle Value) { FieldOperType = Value; }
  bool GetOnlySortDataNode() const { return OnlySortDataNode != 0; }
  void SetOnlySortDataNode(bool Value) { OnlySortDataNode = Value ? 1 : 0; }
  bool GetExpandStateSaved() const { return ExpandStateSaved != 0; }
  bool GetShowSubDataCount() const { return ShowSubDataCount != 0; }
  void SetShowSubDataCount(bool Value) { ShowSubDataCount = Value ? 1 : 0; }
  bool GetUseDefaultShare() const { return UseDefaultShare != 0; }
  void SetUseDefaultShare(bool Value) { UseDefaultShare = Value ? 1 : 0; }
  bool GetRefreshReadOnly() const { return RefreshReadOnly != 0; }
  void SetRefreshReadOnly(bool Value) { RefreshReadOnly = Value ? 1 : 0; }
  TFreeMutiField* GetFreeNotifier() const { return FreeNotifier.get(); }
  const TFieldBufferDefs& GetBufferDefs() const { return *BufferDefs; }

  // Events (published with the properties above).
  TOnFreeRowData OnFreeRowNode;
  TGetFieldGroupType OnGetFieldGroupType;
  TOnBindStock OnBindStock;
  TBeginBuildTree BeginBuildTree;
  TGetRooterValue OnGetRooterValue;
  TOnShareValue OnShareValue;
  TOnAfterEditValue OnAfterEditValue;
  TOnBeforeEditValue OnBeforeEditValue;
  TOnGetFieldValue OnGetFieldValue;
  TOnGetGroupValue OnGetGroupValue;
  TOnNodeSort OnNodeSort;

 protected:
  // The row of a node (nullptr for a node made without one).
  static TTreeRowData* RowOf(const TsnTreeNode* Node) { return static_cast<TTreeRowData*>(Node->GetData()); }
  // Marks Field (every field when nullptr) stale in the rows above Node.
  void ReStatAncestors(TsnTreeNode* Node, DataField* Field);
  void ReStatFieldsOf(TsnTreeNode* Node);
  // Marks every column stale in every group row.
  void ReStatGroups(TsnTreeNode* Node);

  int32_t SeqCounter = 0;
  uint8_t Sorted = 0;
  DataSet* StockQry = nullptr;
  DataSet* DataSet_ = nullptr;
  int32_t SortTime = 0;
  std::unique_ptr<TQxList> AuxList;
  TNodeCalcType NodeCalcType = CTAll;
  std::unique_ptr<TQxSortList> SortList;
  std::unique_ptr<TQxCompare> Compare;
  TFieldCreateModle FieldOperType = cmInitCreate;
  uint8_t OnlySortDataNode = 0;
  uint8_t ExpandStateSaved = 0;
  uint8_t ShowSubDataCount = 1;
  uint8_t UseDefaultShare = 1;
  uint8_t RefreshReadOnly = 1;
  std::unique_ptr<TFreeMutiField> FreeNotifier;

 private:
  std::unique_ptr<TTreeQueryFieldBufferDefs> BufferDefs;
  // The node of each row by SeqNo, for bookmarks.
  LargeVector<TsnTreeNode*> BySeqNo;
  // Set while every row goes at once: the aggregates are marked stale once, at the end.
  bool RemovingAll = false;

  TTreeRowData* NewRow(TsnTreeNode* Node, bool IsGroup);
  void FreeRow(TTreeRowData* Row);
  static void CountOut(void* Data, TsnTreeNode* Parent, TsnTreeNode* Node);
  static void CountIn(void* Data, TsnTreeNode* Parent, TsnTreeNode* Node);
  // The data rows a subtree holds, its top included.
  static int32_t DataRowsOf(const TsnTreeNode* Node);
  // Adds Rows to the StockCount of From and every node above; Stale marks their aggregates.
  void CountRows(TsnTreeNode* From, int32_t Rows, bool Stale);
  std::string Aggregate(TsnTreeNode* Node, DataField* Field, TColFieldGroupType Type);
  bool Counted(const TsnTreeNode* Child) const { return NodeCalcType == CTAll || Child->GetVisible(); }
  std::string SourceText(const TTreeRowData* Row, DataField* Field);
  bool SortsFast() const;
  bool ReadsCellsPlainly() const;
  void SortNode(TsnTreeNode* Node, bool Recurse, std::vector<std::pair<TsnTreeNode*, std::vector<TsnTreeNode*>>>& Plan);
  void SortDataNodes(TsnTreeNode* Node, std::vector<std::pair<TsnTreeNode*, std::vector<TsnTreeNode*>>>& Plan);
  void RemoveDataRowsBelow(TsnTreeNode* Node);
};

}  // namespace ruzi
