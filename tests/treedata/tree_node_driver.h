#pragma once
// Random operations on a TsnTreeNode tree and on a TreeModel side by side; after every step
// every counter and every answer of the tree must equal the model's. Shared by the property
// test (seeded generator) and the fuzz target (the input's bytes choose the steps).
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "tree_model.h"
#include "treedata/tree_node.h"

namespace ruzi::treemodel {

// Source: uint32_t Next(uint32_t bound) in [0, bound), and bool Exhausted().
template <typename Source>
class TreeNodeDriver {
 public:
  explicit TreeNodeDriver(Source& source) : source_(source), root_(new TsnTreeNode(nullptr, false)) {
    Register(0, root_.get());
  }
  ~TreeNodeDriver() {
    for (int id : detached_) delete real_[id];
    root_.reset();  // while the slots it empties are still there
  }

  // Runs up to steps steps; returns the first difference found, or empty text. A step whose
  // own outcome is wrong says so with a leading "!".
  std::string Run(int steps) {
    for (int step = 0; step < steps && !source_.Exhausted(); ++step) {
      const std::string what = Step();
      const std::string difference = what[0] == '!' ? what : Check();
      if (!difference.empty()) return "step " + std::to_string(step) + " (" + what + "): " + difference;
    }
    return "";
  }

 private:
  static constexpr int kMaxNodes = 12;
  static constexpr int kMaxDetached = 3;

  uint32_t Pick(uint32_t bound) { return bound == 0 ? 0 : source_.Next(bound); }
  // A node of the tree (attached_ holds them in pre-order, the root first).
  int PickAttached(bool withRoot) {
    const uint32_t first = withRoot ? 0 : 1;
    if (attached_.size() <= first) return -1;
    return attached_[first + Pick(static_cast<uint32_t>(attached_.size()) - first)];
  }
  int Id(const TsnTreeNode* node) const { return static_cast<int>(reinterpret_cast<intptr_t>(node->GetData())); }

  void Register(int id, TsnTreeNode* node) {
    if (static_cast<int>(real_.size()) <= id) real_.resize(id + 1, nullptr);
    while (static_cast<int>(slots_.size()) <= id) slots_.push_back(nullptr);
    real_[id] = node;
    slots_[id] = node;
    node->SetData(reinterpret_cast<void*>(static_cast<intptr_t>(id)));
    node->SetReferenceSlot(&slots_[id]);
    node->SetOnDeleteNode({[](void* data, TsnTreeNode*) { ++*static_cast<int*>(data); }, &deleted_});
  }

  std::string Step() {
    attached_.clear();
    model_.PreOrder(0, attached_);
    const uint32_t op = Pick(static_cast<int>(attached_.size()) > kMaxNodes ? 14 : 20);
    if (op >= 14) return Add();
    const int node = PickAttached(false);
    const int any = PickAttached(true);
    switch (op) {
      case 0:
        if (node < 0) return Add();
        real_[node]->Delete();
        model_.Free(node);
        return "Delete()";
      case 1: {
        const int count = static_cast<int>(model_.nodes[any].children.size());
        const int index = static_cast<int>(Pick(count + 2)) - 1;
        real_[any]->Delete(index);
        if (index >= 0 && index < count) model_.Free(model_.nodes[any].children[index]);
        return "Delete(Index)";
      }
      case 2:
        if (node < 0 || detached_.size() >= kMaxDetached) return "nothing";
        real_[model_.nodes[node].parent]->Delete(real_[node]);
        model_.Detach(node);
        detached_.push_back(node);
        return "Delete(Node)";
      case 3: return PutBack();
      case 4: {
        if (detached_.empty()) return "nothing";
        const int id = detached_.back();
        detached_.pop_back();
        delete real_[id];
        model_.Free(id);
        return "free a detached node";
      }
      case 5:
        real_[any]->Clear();
        model_.Clear(any);
        return "Clear";
      case 6:
      case 7: return ExpandOrCollapse(any);
      case 8:
        if (node < 0) return "nothing";
        real_[node]->SetVisible(!model_.nodes[node].visible);
        model_.nodes[node].visible = !model_.nodes[node].visible;
        return "SetVisible";
      case 9:
        model_.defaultExpand = Pick(2) == 1;
        root_->SetDefaultExpanded(model_.defaultExpand ? efExpand : efCollapse);
        return "SetDefaultExpanded";
      case 10: return Sort(any);
      case 11: return Assign();
      case 12: return ForeignParent(any);
      default: return "rows only";
    }
  }

  std::string Add() {
    const int parent = Pick(3) == 0 ? 0 : PickAttached(true);
    TsnTreeNode* p = real_[parent];
    const int count = static_cast<int>(model_.nodes[parent].children.size());
    int index = count;
    TsnTreeNode* added = nullptr;
    const uint32_t form = Pick(5);
    if (form == 0) {
      added = root_->AddChild(p, "n");
    } else if (form == 1) {
      added = new TsnTreeNode(p, true);
    } else if (form == 2) {
      const int wanted = static_cast<int>(Pick(count + 3)) - 1;
      added = root_->AppendChild(p, "n", false, wanted);
      if (wanted >= 0 && wanted < count) index = wanted;
    } else {
      const int wanted = static_cast<int>(Pick(count + 3)) - 1;
      added = form == 3 ? p->InsertChild(wanted, "n") : root_->InsertChild(wanted, p, "n");
      if (wanted >= 0 && wanted <= count) index = wanted;
    }
    Register(model_.Add(parent, index), added);
    return "add";
  }

  std::string PutBack() {
    const int parent = PickAttached(true);
    const int count = static_cast<int>(model_.nodes[parent].children.size());
    if (detached_.empty() || count == 0) return "nothing";
    const int id = detached_.back();
    detached_.pop_back();
    const int index = static_cast<int>(Pick(count));
    real_[parent]->SetItem(index, real_[id]);
    model_.Put(parent, index, id);
    return "SetItem";
  }

  std::string ExpandOrCollapse(int id) {
    const bool value = Pick(2) == 1;
    const bool recurse = Pick(2) == 1;
    TsnTreeNode* node = real_[id];
    if (Pick(3) == 0) {
      node->SetExpand(value);
      if (id != 0) model_.SetFlag(id, value, false);
      return "SetExpand";
    }
    value ? node->Expand(recurse) : node->Collapse(recurse);
    if (id != 0) {
      model_.SetFlag(id, value, recurse);
    } else {
      for (int child : model_.nodes[0].children) model_.SetFlag(child, value, recurse);
    }
    return value ? "Expand" : "Collapse";
  }

  std::string Sort(int id) {
    for (int each : attached_) model_.nodes[each].key = static_cast<int>(Pick(4));
    const bool recurse = Pick(2) == 1;
    root_->SetCompared({[](void* data, TsnTreeNode*, TsnTreeNode* a, TsnTreeNode* b, int32_t& result) {
                          auto* self = static_cast<TreeNodeDriver*>(data);
                          result = self->model_.nodes[self->Id(a)].key - self->model_.nodes[self->Id(b)].key;
                        },
                        this});
    real_[id]->CustomSort(recurse);
    model_.Sort(id, recurse);
    return "CustomSort";
  }

  std::string Assign() {
    const int to = PickAttached(true);
    const int from = PickAttached(true);
    bool related = false;
    for (int a = to; a >= 0; a = model_.nodes[a].parent) related |= a == from;
    for (int a = from; a >= 0; a = model_.nodes[a].parent) related |= a == to;
    try {
      real_[to]->Assign(real_[from]);
    } catch (const Error&) {
      return related && to != from ? "Assign refused" : "!Assign raised unexpectedly";
    }
    if (to != from) model_.Assign(to, from);
    return related && to != from ? "!Assign of related nodes went through" : "Assign";
  }

  std::string ForeignParent(int id) {
    TsnTreeNode other(nullptr, false);
    TsnTreeNode* stranger = other.AddChild("x");
    int raised = 0;
    auto expectRaise = [&](auto&& call) {
      try {
        call();
      } catch (const Error&) {
        ++raised;
      }
    };
    expectRaise([&] { real_[id]->AddChild(stranger, "x"); });
    expectRaise([&] { real_[id]->AppendChild(stranger, "x", false, 0); });
    expectRaise([&] { real_[id]->Delete(stranger); });
    return raised == 3 ? "foreign nodes refused" : "!a foreign node was taken";
  }

  // --- comparison with the model ---

  std::string Check() {
    std::string out;
    if (deleted_ != model_.deleted) out += "OnDeleteNode calls; ";
    for (; freedChecked_ < model_.freed.size(); ++freedChecked_) {
      if (slots_[model_.freed[freedChecked_]] != nullptr) out += "ReferenceSlot not emptied; ";
    }
    std::vector<int>& rows = rows_;
    rows.clear();
    model_.Rows(0, rows);
    rowOf_.assign(model_.nodes.size(), -1);
    for (size_t row = 0; row < rows.size(); ++row) rowOf_[rows[row]] = static_cast<int>(row);
    size_.resize(model_.nodes.size());
    shown_.resize(model_.nodes.size());
    CheckSubtree(0, out);
    for (int id : detached_) CheckSubtree(id, out);
    if (root_->ViewCount() != static_cast<int>(rows.size())) out += "ViewCount; ";
    CheckRows(rows, out);
    return out;
  }

  void CheckSubtree(int top, std::string& out) {
    std::vector<int>& order = order_;
    order.clear();
    model_.PreOrder(top, order);
    model_.Count(top, size_, shown_);
    for (size_t position = 0; position < order.size(); ++position) {
      const int id = order[position];
      const ModelNode& m = model_.nodes[id];
      const TsnTreeNode* node = real_[id];
      const char* wrong = nullptr;
      if (node->GetCount() != static_cast<int>(m.children.size())) wrong = "GetCount";
      for (size_t i = 0; wrong == nullptr && i < m.children.size(); ++i) {
        const TsnTreeNode* child = node->GetItem(static_cast<int>(i));
        if (Id(child) != m.children[i] || child->GetParent() != node || child->GetIndex() != static_cast<int>(i) ||
            child->GetLevel() != node->GetLevel() + 1) {
          wrong = "a child";
        }
      }
      const int total = size_[id] - 1;
      if (node->GetTotalCount() != total) wrong = "TotalCount";
      if (node->GetHiddenCount() != total - shown_[id]) wrong = "HiddenCount";
      if (node->GetExpand() != model_.Expanded(id)) wrong = "GetExpand";
      if (node->GetAbsoluteIndex() != static_cast<int>(position)) wrong = "GetAbsoluteIndex";
      if (node->IsLevelEnd() != model_.LevelEnd(id)) wrong = "IsLevelEnd";
      if (node->GetViewIndex() != (top == 0 ? rowOf_[id] : -1)) wrong = "GetViewIndex";
      if (wrong != nullptr) out += std::string(wrong) + " of node " + std::to_string(id) + "; ";
    }
  }

  void CheckRows(const std::vector<int>& rows, std::string& out) {
    const int count = static_cast<int>(rows.size());
    auto expect = [&](int index) {
      TsnTreeNode* found = root_->GetViewItem(index);
      const bool inside = index >= 0 && index < count;
      if (inside ? (found == nullptr || Id(found) != rows[index]) : found != nullptr) out += "GetViewItem(" + std::to_string(index) + "); ";
    };
    for (int i = -1; i <= count; ++i) expect(i);
    for (int i = count - 1; i >= 0; --i) expect(i);
    for (int jumps = 0; jumps < 4; ++jumps) expect(static_cast<int>(Pick(count + 2)) - 1);
  }

  Source& source_;
  TreeModel model_;
  std::unique_ptr<TsnTreeNode> root_;
  std::vector<TsnTreeNode*> real_;
  std::deque<TsnTreeNode*> slots_;
  std::vector<int> detached_;
  int deleted_ = 0;
  size_t freedChecked_ = 0;
  std::vector<int> attached_;  // this step's nodes of the tree, in pre-order
  std::vector<int> rows_, order_, rowOf_, size_, shown_;  // the model's answers for this check
};

}  // namespace ruzi::treemodel
