#pragma once
// TsnTreeNode: a node of the tree behind the tree dataset. A tree is a root (level 0, never
// shown) and its descendants; the shown rows are the visible descendants reached through
// expanded, visible nodes, in pre-order. Each node keeps two counters over its subtree, so the
// number of shown rows, the node at a row and the row of a node are found without walking the
// tree: TotalCount (descendants) and HiddenCount (descendants not shown below the node now).
// A descendant is shown below a node when the node is expanded, every node between them is
// expanded and visible, and the descendant is visible. The root is always expanded.
//
// The root owns every node of its tree; a node owns its children. Nodes raise ruzi::Error for
// a node of another tree, for a move that would make a node its own descendant and for any
// change of the tree while CustomSort calls OnCompare. Not thread-safe: a tree belongs to the
// thread that builds it.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/treedata/expansion_kinds.h"
#include "ruzirareva/treedata/tree_events.h"
#include "ruzirareva/treedata/tree_record.h"

namespace ruzi {

class ChildList;
class NodeSlab;

class RUZI_API TsnTreeNode : public TPersistent {
  RUZI_CLASS_RECORD(TsnTreeNode, TPersistent::ClassRecord())

 public:
  // Without a parent the node is the root of a new tree. With one it joins the parent's tree
  // one level down and, when AddToParent is set, is appended to the parent's children.
  TsnTreeNode(TsnTreeNode* Parent, bool AddToParent);
  // Frees the children first, empties ReferenceSlot and reports the node deleted.
  ~TsnTreeNode() override;
  TsnTreeNode(const TsnTreeNode&) = delete;
  TsnTreeNode& operator=(const TsnTreeNode&) = delete;
  // A tree's nodes come from its slab, side by side in the order they are made; a node made
  // with plain new comes from the heap. Either is freed with delete.
  static void* operator new(std::size_t Size);
  static void* operator new(std::size_t Size, NodeSlab* Slab);
  static void operator delete(void* Node, std::size_t Size);
  static void operator delete(void* Node, NodeSlab* Slab);

  // Virtual operations, in slot order after AssignTo and DefineProperties.
  // From another node: takes over its children (and its expansion), freeing its own first.
  void Assign(TPersistent* Source) override;
  // Counts Node, just put in its parent's list, in its ancestors.
  virtual void DoAdd(TsnTreeNode* Node);
  // Takes Node out of its parent's list and counters, then reports it deleted.
  virtual void DoDel(TsnTreeNode* Node);
  // Frees the children, the last first.
  virtual void ClearChild();
  // Expands, collapses, shows or hides the node; nothing while it is invisible.
  virtual void DoOperation(TColEspKind Kind, bool Recurse);
  // A node under Parent, not yet in its list.
  virtual TsnTreeNode* InternalCreateNode(TsnTreeNode* Parent);
  virtual TsnTreeNode* _AddChild(TsnTreeNode* Parent, const std::string& Text, bool AddParentKey);
  virtual TsnTreeNode* _InsertChild(int32_t Index, TsnTreeNode* Parent, const std::string& Text,
                                    bool AddParentKey);
  // The node at shown row Index (0-based) of the tree, or nullptr past the rows.
  virtual TsnTreeNode* GetViewItem(int32_t Index);
  virtual void DelChild(TsnTreeNode* Node);
  // Empties the row cache.
  virtual void InternalReset();
  // Calls OnDeleteNode and passes the report on to the root, which does nothing here.
  virtual void NodeDeleted(TsnTreeNode* Node);
  virtual void Clear();
  // Under Parent (this node when nullptr): inserted at Index when 0 <= Index < its child
  // count, else appended.
  virtual TsnTreeNode* AppendChild(TsnTreeNode* Parent, const std::string& Text, bool AddParentKey,
                                   int32_t Index);

  // Adding. Text is followed by the parent's Text when AddParentKey is set. An insert at an
  // index outside 0..count appends.
  TsnTreeNode* AddChild(TsnTreeNode* Parent, const std::string& Text, bool AddParentKey = false);
  TsnTreeNode* AddChild(const std::string& Text, bool AddParentKey = false);
  TsnTreeNode* AddFirstChild(const std::string& Text);
  TsnTreeNode* InsertChild(int32_t Index, const std::string& Text, bool AddParentKey = false);
  TsnTreeNode* InsertChild(int32_t Index, TsnTreeNode* Parent, const std::string& Text,
                           bool AddParentKey = false);

  // Removing. Delete() frees this node, Delete(Index) the child at Index (ignored when out of
  // range); Delete(Node) takes the child Node out of the tree and hands it to the caller, who
  // frees it (before the tree) or puts it back with SetItem.
  void Delete();
  void Delete(int32_t Index);
  void Delete(TsnTreeNode* Node);
  // Frees the children Doomed picks, taking them out of the list in one pass: removing many
  // children of a long list costs the list's length once, not once per child.
  void DeleteChildren(bool (*Doomed)(void* Data, TsnTreeNode* Child), void* Data);

  // Navigation: nullptr (or ignored) out of range and at the ends.
  int32_t GetCount() const;
  bool HasChild() const { return GetCount() > 0; }
  TsnTreeNode* GetItem(int32_t Index) const;
  // Puts Node, taken out of this tree by Delete(Node), in place of the child at Index, which
  // is freed.
  void SetItem(int32_t Index, TsnTreeNode* Node);
  // The position in the parent's list; 0 for the root, -1 for a node in no list.
  int32_t GetIndex() const;
  TsnTreeNode* GetFirstChild() const;
  TsnTreeNode* GetLastChild() const;
  TsnTreeNode* GetNextSibling() const;
  TsnTreeNode* GetPrevSibling() const;
  TsnTreeNode* GetTopNode() const;
  TsnTreeNode* TopNode() const { return GetTopNode(); }
  // Position in a pre-order walk of the whole tree, the root at 0.
  int32_t GetAbsoluteIndex() const;
  // True for the root and when no later sibling is visible.
  bool IsLevelEnd() const;
  // The shown row of this node, or -1 when it is not shown.
  int32_t GetViewIndex() const;

  // Counts.
  int32_t ViewCount() const;
  int32_t SubViewCount() const { return TotalCount - HiddenCount; }
  int32_t GetleafCount() const { return 0; }
  TsnTreeNode* GetItemLf(int32_t) const { return nullptr; }

  // Expansion. GetExpand: the node's own flag and every ancestor below the root expanded. A
  // node that never had children follows DefaultExpanded until its flag is set.
  bool GetExpand() const;
  void SetExpand(bool Value);
  // The node's own expansion, whatever its ancestors'.
  bool GetExpandFlag() const { return ExpandFlag(); }
  void Expand(bool Recurse);
  void Collapse(bool Recurse);
  bool GetVisible() const { return Visible != 0; }
  void SetVisible(bool Value);
  TExpandFlag GetDefaulExpanded() const { return TreeInfo->DefaultExpanded; }
  void SetDefaultExpanded(TExpandFlag Value) { TreeInfo->DefaultExpanded = Value; }

  // Sorting by the tree's OnCompare (Sender = the root); without one the order stays.
  void SetCompared(TsnCompareEvent Handler);
  TsnCompareEvent GetCompared() const { return TreeInfo->OnCompare; }
  void CustomSort(bool Recurse);
  // Puts the children in the order given (the same nodes), as a sort would.
  void ReorderChildren(const std::vector<TsnTreeNode*>& Items);

  void BeginUpdate() { TreeInfo->UpdateSign = 1; }
  void EndUpdate() {}
  bool GetUpdateSign() const { return TreeInfo->UpdateSign != 0; }

  // Images: a plain list; reading out of range gives -1, writing out of range is ignored.
  void SetImageList(void* Value) { DisplayBlock().ImageList = Value; }
  void* GetImageList() const { return Display ? Display->ImageList : nullptr; }
  int32_t GetImageIndex(int32_t I) const;
  int32_t GetImageIndexCount() const;
  void AddImageIndex(int32_t V);
  void DeleteImageIndex(int32_t I);
  void InsertImageIndex(int32_t I, int32_t V);
  void SetImageIndex(int32_t I, int32_t V);
  void ClearImageIndex();

  void SetOnDeleteNode(TsnNodeEvent Handler) { DisplayBlock().OnDeleteNode = Handler; }
  TsnNodeEvent GetOnDeleteNode() const { return Display ? Display->OnDeleteNode : TsnNodeEvent{}; }
  void NodeAdded(TsnTreeNode* Node);

  // The root's row cache, whichever node is asked. Written by hand, it is trusted.
  int32_t GetViewNodeindex() const { return TreeInfo->ViewNodeIndex; }
  void SetViewNodeindex(int32_t Value) { TreeInfo->ViewNodeIndex = Value; }
  TsnTreeNode* GetViewNodeObject() const { return TreeInfo->ViewNodeObject; }
  void SetViewNodeObject(TsnTreeNode* Value) { TreeInfo->ViewNodeObject = Value; }

  // Fields.
  int32_t GetLevel() const { return Level; }
  int32_t GetTotalCount() const { return TotalCount; }
  int32_t GetHiddenCount() const { return HiddenCount; }
  TsnTreeNode* GetParent() const { return Parent; }
  TsnTreeRecord* GetTreeInfo() const { return TreeInfo; }
  void* GetData() const { return Data; }
  void SetData(void* Value) { Data = Value; }
  void* GetExtraBlock() const { return ExtraBlock; }
  void SetExtraBlock(void* Value) { ExtraBlock = Value; }
  const std::string& GetText() const { return Text; }
  void SetText(const std::string& Value) { Text = Value; }
  bool GetDestroyingByParent() const { return DestroyingByParent != 0; }
  TsnTreeNode** GetReferenceSlot() const { return Display ? Display->ReferenceSlot : nullptr; }
  void SetReferenceSlot(TsnTreeNode** Value) { DisplayBlock().ReferenceSlot = Value; }
  bool GetVisibleChanging() const { return VisibleChanging != 0; }
  // Allocated on first use.
  std::vector<std::string>& GetStrings();
  int32_t GetIndexHint() const { return IndexHint; }
  int32_t GetStockCount() const { return StockCount; }
  void SetStockCount(int32_t Value) { StockCount = Value; }

 protected:
  // The fields in their documented order, except that the one-byte flags sit together after
  // the counters and the rarely used ones share one block (below).
  int32_t Level = 0;
  int32_t TotalCount = 0;
  int32_t HiddenCount = 0;
  uint8_t DestroyingByParent = 0;
  uint8_t Visible = 1;
  uint8_t VisibleChanging = 0;
  int8_t Expanded = kFollowDefault;  // efCollapse, efExpand, or kFollowDefault
  TsnTreeNode* Parent = nullptr;
  ChildList* Children = nullptr;  // allocated with the first child
  TsnTreeRecord* TreeInfo = nullptr;
  void* Data = nullptr;
  void* ExtraBlock = nullptr;
  std::string Text;
  // What few nodes use (display lists, a reference slot, a delete handler), in one block made
  // on first use: a million-node tree then takes a third less memory.
  struct DisplayLists {
    std::vector<std::string> Strings;
    void* ImageList = nullptr;
    std::vector<int32_t> ImageIndexes;
    TsnTreeNode** ReferenceSlot = nullptr;
    TsnNodeEvent OnDeleteNode;
  };
  std::unique_ptr<DisplayLists> Display;
  int32_t IndexHint = -1;  // kept equal to the position in the parent's list, -1 outside one
  int32_t StockCount = 0;

 private:
  friend class ChildList;
  static constexpr int8_t kFollowDefault = -1;

  DisplayLists& DisplayBlock();
  bool IsRoot() const { return TreeInfo->TopNode == this; }
  bool IsLinked() const { return Parent != nullptr && IndexHint >= 0; }
  bool ExpandFlag() const;
  bool ShowsChildren() const { return IsRoot() || ExpandFlag(); }
  // The rows this node takes in its parent's list: its own and those below it.
  int32_t ShownRows() const { return Visible ? 1 + SubViewCount() : 0; }
  int32_t ChildRows() const;

  void RequireSameTree(const TsnTreeNode* node) const;
  void RequireNotSorting() const;
  // Raises when node is subtree or lies below it.
  static void RequireOutside(const TsnTreeNode* subtree, const TsnTreeNode* node);
  void LinkChild(int32_t index, TsnTreeNode* node);
  void UnlinkChild(TsnTreeNode* node);
  // node, a subtree that was elsewhere, has just joined this node's list.
  void ReportRelinked(TsnTreeNode* node);
  void AdoptSubtree(TsnTreeNode* node);
  static void CountUpward(TsnTreeNode* parent, TsnTreeNode* child, int32_t totalDelta,
                          int32_t rowsDelta);
  void RecountHidden() { HiddenCount = ShowsChildren() ? TotalCount - ChildRows() : TotalCount; }
  void SetExpandedBelow(bool value);
  void SortChildren(bool recurse);
  TsnTreeNode* RowBelow(int32_t row);
  static TsnTreeNode* NextShownRow(TsnTreeNode* node);
  static TsnTreeNode* PrevShownRow(TsnTreeNode* node);
};

}  // namespace ruzi
