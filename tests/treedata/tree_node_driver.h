#pragma once
// Random operations on a TsnTreeNode tree and on a TreeModel side by side; after every step
// every counter and answer of the tree must equal the model's. Shared by the property test
// (seeded generator) and the fuzz target (the input's bytes choose the steps).
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

  // Runs up to steps steps; returns the first difference, or empty text.
  std::string Run(int steps) {
    for (int step = 0; step < steps && !source_.Exhausted(); ++step) {
      const std::string failure = Step() + Check();
      if (!failure.empty()) return "step " + std::to_string(step) + ": " + failure;
    }
    return "";
  }

 private:
  int Pick(int bound) { return bound <= 0 ? 0 : static_cast<int>(source_.Next(static_cast<uint32_t>(bound))); }
  // A node of the tree; attached_ holds them in pre-order, the root first.
  int PickNode(bool withRoot) {
    const int first = withRoot ? 0 : 1;
    const int count = static_cast<int>(attached_.size());
    return count <= first ? -1 : attached_[first + Pick(count - first)];
  }
  int Id(const TsnTreeNode* node) const { return static_cast<int>(reinterpret_cast<intptr_t>(node->GetData())); }
  ModelNode& M(int id) { return model_.nodes[id]; }

  void Register(int id, TsnTreeNode* node) {
    real_.resize(id + 1);
    slots_.resize(id + 1);
    real_[id] = slots_[id] = node;
    node->SetData(reinterpret_cast<void*>(static_cast<intptr_t>(id)));
    node->SetReferenceSlot(&slots_[id]);
    node->SetOnDeleteNode({[](void* data, TsnTreeNode*) { ++*static_cast<size_t*>(data); }, &deleted_});
  }

  // Returns text only when the step itself went wrong.
  std::string Step() {
    attached_.clear();
    model_.PreOrder(0, attached_);
    const int op = Pick(attached_.size() > 12 ? 12 : 17);
    const int node = PickNode(false);
    const int any = PickNode(true);
    const int count = static_cast<int>(M(any).children.size());
    const int index = Pick(count + 3) - 1;
    const bool flag = Pick(2) == 1;
    const bool recurse = Pick(2) == 1;
    if (node < 0 || op >= 12) return Add(any, index, op % 4);
    TsnTreeNode* subject = real_[node];
    switch (op) {
      case 0: subject->Delete(), model_.Free(node); break;
      case 1:
        real_[any]->Delete(index);
        if (index >= 0 && index < count) model_.Free(M(any).children[index]);
        break;
      case 2:
        if (detached_.size() >= 3) break;
        real_[M(node).parent]->Delete(subject);
        model_.Detach(node);
        detached_.push_back(node);
        break;
      case 3:
        if (detached_.empty() || count == 0) break;
        real_[any]->SetItem(index < 0 ? 0 : index % count, real_[detached_.back()]);
        model_.Put(any, index < 0 ? 0 : index % count, detached_.back());
        detached_.pop_back();
        break;
      case 4: real_[any]->Clear(), model_.Clear(any); break;
      case 5:
        subject->SetExpand(flag);
        model_.SetFlag(node, flag, false);
        break;
      case 6:
        flag ? real_[any]->Expand(recurse) : real_[any]->Collapse(recurse);
        for (int id : any == 0 ? M(0).children : std::vector<int>{any}) model_.SetFlag(id, flag, recurse);
        break;
      case 7: subject->SetVisible(!M(node).visible), M(node).visible = !M(node).visible; break;
      case 8:
        root_->SetDefaultExpanded(flag ? efExpand : efCollapse);
        model_.defaultExpand = flag;
        break;
      case 9: return Sort(any, recurse);
      case 10: return Assign(any, node);
      default: return RefuseStrangers(any);
    }
    return "";
  }

  std::string Add(int parent, int wanted, int form) {
    TsnTreeNode* p = real_[parent];
    const int count = static_cast<int>(M(parent).children.size());
    int index = count;
    TsnTreeNode* added = nullptr;
    if (form == 0) {
      added = new TsnTreeNode(p, true);
    } else if (form == 1) {
      added = root_->AppendChild(p, "n", false, wanted);
      if (wanted >= 0 && wanted < count) index = wanted;
    } else {
      added = form == 2 ? p->InsertChild(wanted, "n") : root_->InsertChild(wanted, p, "n");
      if (wanted >= 0 && wanted <= count) index = wanted;
    }
    Register(model_.Add(parent, index), added);
    return "";
  }

  std::string Sort(int id, bool recurse) {
    for (int each : attached_) M(each).key = Pick(4);
    root_->SetCompared({[](void* data, TsnTreeNode*, TsnTreeNode* a, TsnTreeNode* b, int32_t& result) {
                          auto* self = static_cast<TreeNodeDriver*>(data);
                          result = self->M(self->Id(a)).key - self->M(self->Id(b)).key;
                        },
                        this});
    real_[id]->CustomSort(recurse);
    model_.Sort(id, recurse);
    return "";
  }

  std::string Assign(int to, int from) {
    bool related = false;
    for (int a = to; a >= 0; a = M(a).parent) related |= a == from;
    for (int a = from; a >= 0; a = M(a).parent) related |= a == to;
    related &= to != from;
    try {
      real_[to]->Assign(real_[from]);
    } catch (const Error&) {
      return related ? "" : "Assign raised";
    }
    if (to != from) model_.Assign(to, from);
    return related ? "Assign moved a node below itself" : "";
  }

  std::string RefuseStrangers(int id) {
    TsnTreeNode other(nullptr, false);
    TsnTreeNode* stranger = other.AddChild("x");
    for (auto call : {+[](TsnTreeNode* n, TsnTreeNode* s) { n->AddChild(s, "x"); },
                      +[](TsnTreeNode* n, TsnTreeNode* s) { n->AppendChild(s, "x", false, 0); },
                      +[](TsnTreeNode* n, TsnTreeNode* s) { n->Delete(s); }}) {
      try {
        call(real_[id], stranger);
        return "a node of another tree was taken";
      } catch (const Error&) {
      }
    }
    return "";
  }

  std::string Check() {
    std::string out;
    if (deleted_ != model_.freed.size()) out += "OnDeleteNode calls; ";
    for (; freedChecked_ < model_.freed.size(); ++freedChecked_) {
      if (slots_[model_.freed[freedChecked_]] != nullptr) out += "ReferenceSlot not emptied; ";
    }
    rows_.clear();
    model_.Rows(0, rows_);
    rowOf_.assign(model_.nodes.size(), -1);
    for (size_t row = 0; row < rows_.size(); ++row) rowOf_[rows_[row]] = static_cast<int>(row);
    size_.resize(model_.nodes.size());
    shown_.resize(model_.nodes.size());
    CheckSubtree(0, out);
    for (int id : detached_) CheckSubtree(id, out);
    const int count = static_cast<int>(rows_.size());
    if (root_->ViewCount() != count) out += "ViewCount; ";
    auto expect = [&](int i) {
      const TsnTreeNode* found = root_->GetViewItem(i);
      if (i >= 0 && i < count ? found == nullptr || Id(found) != rows_[i] : found != nullptr) {
        out += "GetViewItem(" + std::to_string(i) + "); ";
      }
    };
    for (int i = -1; i <= count; ++i) expect(i);
    for (int i = count - 1; i >= 0; --i) expect(i);
    for (int jumps = 0; jumps < 4; ++jumps) expect(Pick(count + 2) - 1);
    return out;
  }

  void CheckSubtree(int top, std::string& out) {
    order_.clear();
    model_.PreOrder(top, order_);
    model_.Count(top, size_, shown_);
    for (size_t position = 0; position < order_.size(); ++position) {
      const int id = order_[position];
      const TsnTreeNode* node = real_[id];
      const char* wrong = nullptr;
      if (node->GetCount() != static_cast<int>(M(id).children.size())) wrong = "GetCount";
      for (int i = 0; wrong == nullptr && i < node->GetCount(); ++i) {
        const TsnTreeNode* child = node->GetItem(i);
        if (Id(child) != M(id).children[i] || child->GetParent() != node || child->GetIndex() != i ||
            child->GetLevel() != node->GetLevel() + 1) {
          wrong = "a child";
        }
      }
      if (node->GetTotalCount() != size_[id] - 1) wrong = "TotalCount";
      if (node->GetHiddenCount() != size_[id] - 1 - shown_[id]) wrong = "HiddenCount";
      if (node->GetExpand() != model_.Expanded(id)) wrong = "GetExpand";
      if (node->GetAbsoluteIndex() != static_cast<int>(position)) wrong = "GetAbsoluteIndex";
      if (node->IsLevelEnd() != model_.LevelEnd(id)) wrong = "IsLevelEnd";
      if (node->GetViewIndex() != (top == 0 ? rowOf_[id] : -1)) wrong = "GetViewIndex";
      if (wrong != nullptr) out += std::string(wrong) + " of node " + std::to_string(id) + "; ";
    }
  }

  Source& source_;
  TreeModel model_;
  std::unique_ptr<TsnTreeNode> root_;
  std::vector<TsnTreeNode*> real_;
  std::deque<TsnTreeNode*> slots_;  // ReferenceSlot targets: a deque never moves them
  std::vector<int> detached_;
  size_t deleted_ = 0;
  size_t freedChecked_ = 0;
  std::vector<int> attached_, rows_, order_, rowOf_, size_, shown_;
};

}  // namespace ruzi::treemodel
