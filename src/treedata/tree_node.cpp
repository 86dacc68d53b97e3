#include "treedata/tree_node.h"

#include "foundation/error.h"
#include "treedata/child_list.h"
#include "treedata/node_merge_sort.h"
#include "treedata/node_slab.h"

namespace ruzi {

TsnTreeNode::TsnTreeNode(TsnTreeNode* Parent, bool AddToParent) {
  if (Parent == nullptr) {
    TreeInfo = new TsnTreeRecord;
    TreeInfo->TopNode = this;
    TreeInfo->Slab = new NodeSlab;
    return;
  }
  this->Parent = Parent;
  Level = Parent->Level + 1;
  TreeInfo = Parent->TreeInfo;
  if (AddToParent) {
    Parent->RequireNotSorting();
    Parent->LinkChild(Parent->GetCount(), this);
    DoAdd(this);
  }
}

TsnTreeNode::~TsnTreeNode() {
  // Out of the parent's list and counters first, in one step, so the children freed below
  // only have this node's counters to bring down.
  if (IsLinked()) Parent->UnlinkChild(this);
  Parent = nullptr;
  ClearChild();
  delete Children;
  Children = nullptr;
  const bool root = IsRoot();
  if (Display) {
    if (!root && Display->ReferenceSlot != nullptr) *Display->ReferenceSlot = nullptr;
    Display->Strings.clear();
  }
  DelChild(this);
  if (root) {
    delete TreeInfo->Slab;
    delete TreeInfo;
  }
}

void* TsnTreeNode::operator new(std::size_t Size) { return NodeSlab::Allocate(Size, nullptr); }

void* TsnTreeNode::operator new(std::size_t Size, NodeSlab* Slab) { return NodeSlab::Allocate(Size, Slab); }

void TsnTreeNode::operator delete(void* Node, std::size_t Size) { NodeSlab::Free(Node, Size); }

void TsnTreeNode::operator delete(void* Node, NodeSlab*) { NodeSlab::Free(Node, 0); }

// --- virtual operations ---

void TsnTreeNode::Assign(TPersistent* Source) {
  if (Source == nullptr || !Source->InheritsFrom(ClassRecord())) {
    TPersistent::Assign(Source);
    return;
  }
  auto* source = static_cast<TsnTreeNode*>(Source);
  if (source == this) return;
  RequireNotSorting();
  source->RequireNotSorting();
  RequireOutside(source, this);
  RequireOutside(this, source);
  ClearChild();

  // The source gives up its children, as one removal from its ancestors' counters.
  // The source's tree hears of it first, while the source's ancestors are its own.
  const TsnTreeRecord* from = source->TreeInfo;
  if (from->Unlinking != nullptr && source->Children != nullptr) {
    for (TsnTreeNode* child : source->Children->Items()) from->Unlinking(from->LinkData, source, child);
  }
  ChildList* moved = source->Children;
  source->Children = nullptr;
  const int32_t movedCount = source->TotalCount;
  const int32_t sourceRowsBefore = source->ShownRows();
  source->TotalCount = 0;
  source->HiddenCount = 0;
  if (source->IsLinked()) {
    CountUpward(source->Parent, source, -movedCount, source->ShownRows() - sourceRowsBefore);
  }
  source->InternalReset();

  const int32_t rowsBefore = ShownRows();
  delete Children;
  Children = moved;
  Expanded = source->Expanded;
  if (Children != nullptr) {
    for (TsnTreeNode* child : Children->Items()) {
      child->Parent = this;
      AdoptSubtree(child);
    }
  }
  TotalCount = movedCount;
  RecountHidden();
  if (IsLinked()) CountUpward(Parent, this, movedCount, ShownRows() - rowsBefore);
  InternalReset();
  if (Children != nullptr) {
    for (TsnTreeNode* child : Children->Items()) ReportRelinked(child);
  }
}

void TsnTreeNode::DoAdd(TsnTreeNode* Node) {
  if (Node->IsLinked()) CountUpward(Node->Parent, nullptr, Node->TotalCount + 1, Node->ShownRows());
  InternalReset();
  NodeAdded(Node);
}

void TsnTreeNode::DoDel(TsnTreeNode* Node) {
  if (Node->IsLinked()) Node->Parent->UnlinkChild(Node);
  InternalReset();
  NodeDeleted(Node);
}

void TsnTreeNode::ClearChild() {
  while (Children != nullptr && Children->Count() > 0) {
    const int32_t index = Children->Count() - 1;
    TsnTreeNode* child = Children->At(index);
    UnlinkChild(child);
    child->IndexHint = index;
    child->DestroyingByParent = 1;
    delete child;
  }
}

void TsnTreeNode::DoOperation(TColEspKind Kind, bool Recurse) {
  if (!Visible && !VisibleChanging) return;
  RequireNotSorting();
  if (Kind == cekShow || Kind == cekHide) {
    if (!VisibleChanging) {
      SetVisible(Kind == cekShow);
      return;
    }
    // SetVisible has stored the flag: this node's row and its rows appear or go.
    const int32_t rows = 1 + SubViewCount();
    if (IsLinked()) CountUpward(Parent, this, 0, Kind == cekShow ? rows : -rows);
    InternalReset();
    return;
  }
  if (IsRoot()) return;  // the root stays expanded
  const bool value = Kind == cekExpand;
  const int32_t rowsBefore = ShownRows();
  if (Recurse) {
    SetExpandedBelow(value);
  } else {
    if (Expanded == static_cast<int8_t>(value)) return;
    Expanded = static_cast<int8_t>(value);
    RecountHidden();
  }
  if (IsLinked()) CountUpward(Parent, this, 0, ShownRows() - rowsBefore);
  InternalReset();
}

TsnTreeNode* TsnTreeNode::InternalCreateNode(TsnTreeNode* Parent) {
  return new (TreeInfo->Slab) TsnTreeNode(Parent, false);
}

TsnTreeNode* TsnTreeNode::_AddChild(TsnTreeNode* Parent, const std::string& Text, bool AddParentKey) {
  TsnTreeNode* parent = Parent != nullptr ? Parent : this;
  return _InsertChild(parent->GetCount(), parent, Text, AddParentKey);
}

TsnTreeNode* TsnTreeNode::_InsertChild(int32_t Index, TsnTreeNode* Parent, const std::string& Text,
                                       bool AddParentKey) {
  TsnTreeNode* parent = Parent != nullptr ? Parent : this;
  RequireSameTree(parent);
  RequireNotSorting();
  if (Index < 0 || Index > parent->GetCount()) Index = parent->GetCount();
  TsnTreeNode* node = InternalCreateNode(parent);
  node->Text = AddParentKey ? Text + parent->Text : Text;
  parent->LinkChild(Index, node);
  DoAdd(node);
  return node;
}

TsnTreeNode* TsnTreeNode::GetViewItem(int32_t Index) {
  TsnTreeNode* root = TreeInfo->TopNode;
  if (Index < 0 || Index >= root->SubViewCount()) return nullptr;
  TsnTreeNode* found = nullptr;
  TsnTreeNode* cached = TreeInfo->ViewNodeObject;
  if (cached != nullptr && TreeInfo->ViewNodeIndex >= 0) {
    const int32_t offset = Index - TreeInfo->ViewNodeIndex;
    if (offset == 0) return cached;
    if (offset == 1) found = NextShownRow(cached);
    if (offset == -1) found = PrevShownRow(cached);
  }
  if (found == nullptr) found = root->RowBelow(Index);
  TreeInfo->ViewNodeIndex = Index;
  TreeInfo->ViewNodeObject = found;
  return found;
}

void TsnTreeNode::DelChild(TsnTreeNode* Node) { DoDel(Node); }

void TsnTreeNode::InternalReset() {
  TreeInfo->ViewNodeIndex = -1;
  TreeInfo->ViewNodeObject = nullptr;
}

void TsnTreeNode::NodeDeleted(TsnTreeNode* Node) {
  if (IsRoot()) return;
  if (Display && Display->OnDeleteNode.Code != nullptr) Display->OnDeleteNode.Code(Display->OnDeleteNode.Data, Node);
  TreeInfo->TopNode->NodeDeleted(Node);
}

void TsnTreeNode::Clear() {
  RequireNotSorting();
  ClearChild();
}

TsnTreeNode* TsnTreeNode::AppendChild(TsnTreeNode* Parent, const std::string& Text, bool AddParentKey,
                                      int32_t Index) {
  TsnTreeNode* parent = Parent != nullptr ? Parent : this;
  if (Index >= 0 && Index <= parent->GetCount() - 1) return _InsertChild(Index, parent, Text, AddParentKey);
  return _AddChild(parent, Text, AddParentKey);
}

// --- adding and removing ---

TsnTreeNode* TsnTreeNode::AddChild(TsnTreeNode* Parent, const std::string& Text, bool AddParentKey) {
  return _AddChild(Parent, Text, AddParentKey);
}

TsnTreeNode* TsnTreeNode::AddChild(const std::string& Text, bool AddParentKey) {
  return _AddChild(this, Text, AddParentKey);
}

TsnTreeNode* TsnTreeNode::AddFirstChild(const std::string& Text) {
  return _AddChild(TreeInfo->TopNode, Text, true);
}

TsnTreeNode* TsnTreeNode::InsertChild(int32_t Index, const std::string& Text, bool AddParentKey) {
  return _InsertChild(Index, this, Text, AddParentKey);
}

TsnTreeNode* TsnTreeNode::InsertChild(int32_t Index, TsnTreeNode* Parent, const std::string& Text,
                                      bool AddParentKey) {
  return _InsertChild(Index, Parent, Text, AddParentKey);
}

void TsnTreeNode::Delete() {
  RequireNotSorting();
  delete this;
}

void TsnTreeNode::Delete(int32_t Index) {
  if (Index < 0 || Index >= GetCount()) return;
  RequireNotSorting();
  delete Children->At(Index);
}

void TsnTreeNode::Delete(TsnTreeNode* Node) {
  if (Node == nullptr) return;
  RequireSameTree(Node);
  RequireNotSorting();
  if (Node->Parent == this && Node->IsLinked()) UnlinkChild(Node);
}

void TsnTreeNode::DeleteChildren(bool (*Doomed)(void* Data, TsnTreeNode* Child), void* Data) {
  if (Children == nullptr) return;
  RequireNotSorting();
  std::vector<TsnTreeNode*> kept;
  std::vector<TsnTreeNode*> doomed;
  for (TsnTreeNode* child : Children->Items()) (Doomed(Data, child) ? doomed : kept).push_back(child);
  if (doomed.empty()) return;
  int32_t total = 0;
  int32_t rows = 0;
  for (TsnTreeNode* child : doomed) {
    if (TreeInfo->Unlinking != nullptr) TreeInfo->Unlinking(TreeInfo->LinkData, this, child);
    total += child->TotalCount + 1;
    rows += child->ShownRows();
  }
  Children->Reorder(kept);
  for (TsnTreeNode* child : doomed) {
    child->Parent = nullptr;
    child->IndexHint = -1;
  }
  CountUpward(this, nullptr, -total, -rows);
  InternalReset();
  for (TsnTreeNode* child : doomed) {
    child->DestroyingByParent = 1;
    delete child;
  }
}

// --- navigation ---

int32_t TsnTreeNode::GetCount() const { return Children != nullptr ? Children->Count() : 0; }

TsnTreeNode* TsnTreeNode::GetItem(int32_t Index) const {
  if (Index < 0 || Index >= GetCount()) return nullptr;
  return Children->At(Index);
}

void TsnTreeNode::SetItem(int32_t Index, TsnTreeNode* Node) {
  if (Index < 0 || Index >= GetCount() || Node == nullptr || Node == Children->At(Index)) return;
  RequireSameTree(Node);
  RequireNotSorting();
  if (Node->IsLinked() || Node->IsRoot()) throw Error("节点已在树中，不能再放入");
  RequireOutside(Node, this);
  TsnTreeNode* replaced = Children->At(Index);
  UnlinkChild(replaced);
  Node->Parent = this;
  LinkChild(Index, Node);
  AdoptSubtree(Node);
  DoAdd(Node);
  ReportRelinked(Node);
  delete replaced;
}

int32_t TsnTreeNode::GetIndex() const {
  if (IsRoot()) return 0;
  return IsLinked() ? IndexHint : -1;
}

TsnTreeNode* TsnTreeNode::GetFirstChild() const { return GetItem(0); }

TsnTreeNode* TsnTreeNode::GetLastChild() const { return GetItem(GetCount() - 1); }

TsnTreeNode* TsnTreeNode::GetNextSibling() const {
  return IsLinked() ? Parent->GetItem(IndexHint + 1) : nullptr;
}

TsnTreeNode* TsnTreeNode::GetPrevSibling() const {
  return IsLinked() ? Parent->GetItem(IndexHint - 1) : nullptr;
}

TsnTreeNode* TsnTreeNode::GetTopNode() const { return TreeInfo->TopNode; }

int32_t TsnTreeNode::GetAbsoluteIndex() const {
  int32_t index = 0;
  for (const TsnTreeNode* node = this; node->IsLinked(); node = node->Parent) {
    index += 1;
    for (int32_t i = 0; i < node->IndexHint; ++i) index += node->Parent->Children->At(i)->TotalCount + 1;
  }
  return index;
}

bool TsnTreeNode::IsLevelEnd() const {
  if (!IsLinked()) return true;
  return Parent->Children->FirstShownFrom(IndexHint + 1) == nullptr;
}

int32_t TsnTreeNode::GetViewIndex() const {
  for (const TsnTreeNode* node = this; !node->IsRoot(); node = node->Parent) {
    if (!node->IsLinked() || !node->Visible) return -1;
    if (!node->Parent->ShowsChildren()) return -1;
  }
  int32_t row = -1;
  for (const TsnTreeNode* node = this; !node->IsRoot(); node = node->Parent) {
    row += node->Parent->Children->RowsBefore(node->IndexHint) + 1;
  }
  return row;
}

int32_t TsnTreeNode::ViewCount() const { return TreeInfo->TopNode->SubViewCount(); }

// --- expansion ---

bool TsnTreeNode::ExpandFlag() const {
  if (Expanded == kFollowDefault) return TreeInfo->DefaultExpanded == efExpand;
  return Expanded == efExpand;
}

bool TsnTreeNode::GetExpand() const {
  if (IsRoot()) return HasChild() || TreeInfo->DefaultExpanded == efExpand;
  for (const TsnTreeNode* node = this; node != nullptr && !node->IsRoot(); node = node->Parent) {
    if (!node->ExpandFlag()) return false;
  }
  return true;
}

void TsnTreeNode::SetExpand(bool Value) {
  if (IsRoot()) return;
  DoOperation(Value ? cekExpand : cekCollapse, false);
}

void TsnTreeNode::Expand(bool Recurse) {
  if (!IsRoot()) {
    DoOperation(cekExpand, Recurse);
    return;
  }
  for (int32_t i = 0; i < GetCount(); ++i) Children->At(i)->DoOperation(cekExpand, Recurse);
}

void TsnTreeNode::Collapse(bool Recurse) {
  if (!IsRoot()) {
    DoOperation(cekCollapse, Recurse);
    return;
  }
  for (int32_t i = 0; i < GetCount(); ++i) Children->At(i)->DoOperation(cekCollapse, Recurse);
}

void TsnTreeNode::SetVisible(bool Value) {
  if (GetVisible() == Value) return;
  RequireNotSorting();
  Visible = Value ? 1 : 0;
  VisibleChanging = 1;
  DoOperation(Value ? cekShow : cekHide, false);
  VisibleChanging = 0;
}

void TsnTreeNode::SetExpandedBelow(bool value) {
  Expanded = static_cast<int8_t>(value);
  if (Children != nullptr) {
    for (TsnTreeNode* child : Children->Items()) child->SetExpandedBelow(value);
    Children->RowsRecounted();
  }
  RecountHidden();
}

// --- sorting ---

void TsnTreeNode::SetCompared(TsnCompareEvent Handler) {
  if (Handler.Code != nullptr) TreeInfo->OnCompare = Handler;
}

void TsnTreeNode::CustomSort(bool Recurse) {
  RequireNotSorting();
  TreeInfo->Sorting = true;
  try {
    SortChildren(Recurse);
  } catch (...) {
    TreeInfo->Sorting = false;
    InternalReset();
    throw;
  }
  TreeInfo->Sorting = false;
  InternalReset();
}

void TsnTreeNode::ReorderChildren(const std::vector<TsnTreeNode*>& Items) {
  if (Children == nullptr || Items.size() != Children->Items().size()) return;
  RequireNotSorting();
  Children->Reorder(Items);
  InternalReset();
}

void TsnTreeNode::SortChildren(bool recurse) {
  if (Children == nullptr || TreeInfo->OnCompare.Code == nullptr) return;
  if (recurse) {
    for (TsnTreeNode* child : Children->Items()) child->SortChildren(true);
  }
  const TsnCompareEvent compare = TreeInfo->OnCompare;
  TsnTreeNode* root = TreeInfo->TopNode;
  std::vector<TsnTreeNode*> items(Children->Items().begin(), Children->Items().end());
  MergeSortStable(items, [&](TsnTreeNode* a, TsnTreeNode* b) {
    int32_t result = 0;
    compare.Code(compare.Data, root, a, b, result);
    return result;
  });
  Children->Reorder(items);
}

// --- images ---

int32_t TsnTreeNode::GetImageIndex(int32_t I) const {
  if (I < 0 || I >= GetImageIndexCount()) return -1;
  return Display->ImageIndexes[I];
}

int32_t TsnTreeNode::GetImageIndexCount() const {
  return Display ? static_cast<int32_t>(Display->ImageIndexes.size()) : 0;
}

void TsnTreeNode::AddImageIndex(int32_t V) { InsertImageIndex(GetImageIndexCount(), V); }

void TsnTreeNode::DeleteImageIndex(int32_t I) {
  if (I < 0 || I >= GetImageIndexCount()) return;
  Display->ImageIndexes.erase(Display->ImageIndexes.begin() + I);
}

void TsnTreeNode::InsertImageIndex(int32_t I, int32_t V) {
  if (I < 0 || I > GetImageIndexCount()) return;
  auto& indexes = DisplayBlock().ImageIndexes;
  indexes.insert(indexes.begin() + I, V);
}

void TsnTreeNode::SetImageIndex(int32_t I, int32_t V) {
  if (I < 0 || I >= GetImageIndexCount()) return;
  Display->ImageIndexes[I] = V;
}

void TsnTreeNode::ClearImageIndex() {
  if (Display) Display->ImageIndexes.clear();
}

void TsnTreeNode::NodeAdded(TsnTreeNode* Node) {
  if (!IsRoot()) TreeInfo->TopNode->NodeAdded(Node);
}

TsnTreeNode::DisplayLists& TsnTreeNode::DisplayBlock() {
  if (!Display) Display = std::make_unique<DisplayLists>();
  return *Display;
}

std::vector<std::string>& TsnTreeNode::GetStrings() { return DisplayBlock().Strings; }

// --- counters ---

int32_t TsnTreeNode::ChildRows() const { return Children != nullptr ? Children->TotalRows() : 0; }

void TsnTreeNode::RequireSameTree(const TsnTreeNode* node) const {
  if (node->TreeInfo != TreeInfo) throw Error("节点不属于本树");
}

void TsnTreeNode::RequireOutside(const TsnTreeNode* subtree, const TsnTreeNode* node) {
  for (; node != nullptr; node = node->Parent) {
    if (node == subtree) throw Error("节点不能移到它自己的子树下");
  }
}

void TsnTreeNode::RequireNotSorting() const {
  if (TreeInfo->Sorting) throw Error("排序比较时不能修改树");
}

void TsnTreeNode::LinkChild(int32_t index, TsnTreeNode* node) {
  if (Children == nullptr) Children = new ChildList;
  // A node keeps the expansion it followed by default when its first child arrives.
  if (Expanded == kFollowDefault) Expanded = static_cast<int8_t>(ExpandFlag());
  Children->Insert(index, node);
}

void TsnTreeNode::ReportRelinked(TsnTreeNode* node) {
  if (TreeInfo->Relinked != nullptr) TreeInfo->Relinked(TreeInfo->LinkData, this, node);
}

void TsnTreeNode::UnlinkChild(TsnTreeNode* node) {
  if (TreeInfo->Unlinking != nullptr) TreeInfo->Unlinking(TreeInfo->LinkData, this, node);
  const int32_t total = node->TotalCount + 1;
  const int32_t rows = node->ShownRows();
  Children->Remove(node->IndexHint);
  node->Parent = nullptr;
  node->IndexHint = -1;
  CountUpward(this, nullptr, -total, -rows);
  InternalReset();
}

// A subtree moved under this node (its Parent already set) takes its level and tree.
void TsnTreeNode::AdoptSubtree(TsnTreeNode* node) {
  if (node->Level == node->Parent->Level + 1 && node->TreeInfo == node->Parent->TreeInfo) return;
  node->Level = node->Parent->Level + 1;
  node->TreeInfo = node->Parent->TreeInfo;
  for (int32_t i = 0; i < node->GetCount(); ++i) AdoptSubtree(node->Children->At(i));
}

// The subtree under parent grew by totalDelta nodes, and child (nullptr when the list itself
// changed) shows rowsDelta rows more. The rows stop counting above the first collapsed or
// invisible node; the totals go up to the root.
void TsnTreeNode::CountUpward(TsnTreeNode* parent, TsnTreeNode* child, int32_t totalDelta,
                              int32_t rowsDelta) {
  for (; parent != nullptr; child = parent, parent = parent->Parent) {
    if (child != nullptr && rowsDelta != 0) parent->Children->RowsChanged(child->IndexHint, rowsDelta);
    const int32_t shownDelta = parent->ShowsChildren() ? rowsDelta : 0;
    parent->TotalCount += totalDelta;
    parent->HiddenCount += totalDelta - shownDelta;
    rowsDelta = parent->Visible ? shownDelta : 0;
    if (totalDelta == 0 && rowsDelta == 0) return;
    if (!parent->IsLinked()) return;
  }
}

// --- rows ---

TsnTreeNode* TsnTreeNode::RowBelow(int32_t row) {
  TsnTreeNode* node = this;
  for (;;) {
    int32_t before = 0;
    TsnTreeNode* child = node->Children->ChildAtRow(row, &before);
    if (row == before) return child;
    row -= before + 1;
    node = child;
  }
}

TsnTreeNode* TsnTreeNode::NextShownRow(TsnTreeNode* node) {
  if (node->ShowsChildren() && node->SubViewCount() > 0) return node->Children->FirstShownFrom(0);
  for (; node->IsLinked(); node = node->Parent) {
    TsnTreeNode* sibling = node->Parent->Children->FirstShownFrom(node->IndexHint + 1);
    if (sibling != nullptr) return sibling;
  }
  return nullptr;
}

TsnTreeNode* TsnTreeNode::PrevShownRow(TsnTreeNode* node) {
  if (!node->IsLinked()) return nullptr;
  TsnTreeNode* row = node->Parent->Children->LastShownBefore(node->IndexHint);
  if (row == nullptr) return node->Parent->IsRoot() ? nullptr : node->Parent;
  while (row->ShowsChildren() && row->SubViewCount() > 0) row = row->Children->LastShownBefore(row->GetCount());
  return row;
}

}  // namespace ruzi
