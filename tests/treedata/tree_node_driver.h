#pragma once
// Random operations on a TsnTreeNode tree and on a brute-force model side by side; after every
// step every counter and answer of the tree must equal the model's, worked out from the
// definitions by walking plain vectors; each deleted node was reported once and its
// ReferenceSlot emptied. Shared by the property test (seeded generator) and the fuzz target
// (the input's bytes choose the steps).
#include <algorithm>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/error.h"
#include "treedata/tree_node.h"

namespace ruzi::treemodel {

// The tree as plain vectors. Node 0 is the root; a node out of the tree has parent -1.
struct ModelNode {
  int parent = -1;
  std::vector<int> children;
  bool visible = true;
  int flag = -1;  // -1 follows the default
  int key = 0;
};

struct TreeModel {
  std::vector<ModelNode> nodes{ModelNode{}};
  bool defaultExpand = false;
  std::vector<int> freed;

  bool Open(int id) const { return id == 0 || (nodes[id].flag < 0 ? defaultExpand : nodes[id].flag == 1); }
  int Add(int parent, int index) {
    if (nodes[parent].children.empty() && nodes[parent].flag < 0) nodes[parent].flag = defaultExpand;
    nodes.emplace_back().parent = parent;
    nodes[parent].children.insert(nodes[parent].children.begin() + index, static_cast<int>(nodes.size()) - 1);
    return static_cast<int>(nodes.size()) - 1;
  }
  void Detach(int id) {
    if (nodes[id].parent < 0) return;
    std::vector<int>& siblings = nodes[nodes[id].parent].children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), id));
    nodes[id].parent = -1;
  }
  void Clear(int id) {
    while (!nodes[id].children.empty()) Free(nodes[id].children.back());
  }
  void Free(int id) {
    Detach(id), Clear(id);
    freed.push_back(id);
  }
  void Put(int parent, int index, int id) {
    const int old = std::exchange(nodes[parent].children[index], id);
    nodes[old].parent = -1;
    nodes[id].parent = parent;
    Free(old);
  }
  void Assign(int to, int from) {
    Clear(to);
    nodes[to].children.swap(nodes[from].children);
    for (int child : nodes[to].children) nodes[child].parent = to;
    nodes[to].flag = nodes[from].flag;
  }
  // Nothing on an invisible node; with recurse, its whole subtree.
  void SetFlag(int id, bool value, bool recurse, bool below = false) {
    if (!below && !nodes[id].visible) return;
    nodes[id].flag = value;
    for (int child : recurse ? nodes[id].children : std::vector<int>{}) SetFlag(child, value, true, true);
  }
  void Sort(int id, bool recurse) {
    auto& children = nodes[id].children;
    for (int child : recurse ? children : std::vector<int>{}) Sort(child, true);
    std::stable_sort(children.begin(), children.end(), [&](int a, int b) { return nodes[a].key < nodes[b].key; });
  }
  // Pre-order from id: each node's subtree size and the rows shown below it now; rows gets
  // the shown rows below id.
  void Walk(int id, std::vector<int>& order, std::vector<int>& size, std::vector<int>& shown, std::vector<int>* rows) const {
    order.push_back(id);
    size[id] = 1, shown[id] = 0;
    for (int child : nodes[id].children) {
      const bool row = rows != nullptr && Open(id) && nodes[child].visible;
      if (row) rows->push_back(child);
      Walk(child, order, size, shown, row ? rows : nullptr);
      size[id] += size[child];
      if (nodes[child].visible) shown[id] += 1 + shown[child];
    }
    if (!Open(id)) shown[id] = 0;
  }
  bool Expanded(int id) const {
    if (id == 0) return !nodes[0].children.empty() || defaultExpand;
    for (int a = id; a > 0; a = nodes[a].parent) {
      if (!Open(a)) return false;
    }
    return true;
  }
  bool LevelEnd(int id) const {
    if (nodes[id].parent < 0) return true;
    const auto& siblings = nodes[nodes[id].parent].children;
    return std::none_of(std::find(siblings.begin(), siblings.end(), id) + 1, siblings.end(),
                        [&](int s) { return nodes[s].visible; });
  }
};

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
  int Id(const TsnTreeNode* node) const { return static_cast<int>(reinterpret_cast<intptr_t>(node->GetData())); }
  ModelNode& M(int id) { return model_.nodes[id]; }
  bool Within(int id, int top) {
    while (id >= 0 && id != top) id = M(id).parent;
    return id == top;
  }

  void Register(int id, TsnTreeNode* node) {
    real_.resize(id + 1), slots_.resize(id + 1), reported_.resize(id + 1);
    real_[id] = slots_[id] = node;
    node->SetData(reinterpret_cast<void*>(static_cast<intptr_t>(id)));
    node->SetReferenceSlot(&slots_[id]);
    node->SetOnDeleteNode({[](void* data, TsnTreeNode* gone) {
                             auto* self = static_cast<TreeNodeDriver*>(data);
                             ++self->reported_[self->Id(gone)];
                           },
                           this});
  }

  // Returns text only when the step itself went wrong.
  std::string Step() {
    std::vector<int> unused(model_.nodes.size());
    attached_.clear();
    model_.Walk(0, attached_, unused, unused, nullptr);
    const int op = Pick(attached_.size() > 12 ? 12 : 17);
    const int node = attached_.size() > 1 ? attached_[1 + Pick(static_cast<int>(attached_.size()) - 1)] : -1;
    const int any = attached_[Pick(static_cast<int>(attached_.size()))];
    const int count = static_cast<int>(M(any).children.size());
    const int index = Pick(count + 3) - 1;
    const bool flag = Pick(2) == 1, recurse = Pick(2) == 1;
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
        real_[M(node).parent]->Delete(subject), model_.Detach(node);
        detached_.push_back(node);
        break;
      case 3:
        if (detached_.empty() || count == 0) break;
        real_[any]->SetItem(index < 0 ? 0 : index % count, real_[detached_.back()]);
        model_.Put(any, index < 0 ? 0 : index % count, detached_.back());
        detached_.pop_back();
        break;
      case 4: real_[any]->Clear(), model_.Clear(any); break;
      case 5: subject->SetExpand(flag), model_.SetFlag(node, flag, false); break;
      case 6:
        flag ? real_[any]->Expand(recurse) : real_[any]->Collapse(recurse);
        for (int id : any == 0 ? M(0).children : std::vector<int>{any}) model_.SetFlag(id, flag, recurse);
        break;
      case 7: subject->SetVisible(!M(node).visible), M(node).visible = !M(node).visible; break;
      case 8: root_->SetDefaultExpanded(flag ? efExpand : efCollapse), model_.defaultExpand = flag; break;
      case 9: return Sort(any, recurse);
      case 10: return Assign(any, node);
      default: return RefuseStrangers(any);
    }
    return "";
  }

  std::string Add(int parent, int wanted, int form) {
    TsnTreeNode* p = real_[parent];
    const int count = static_cast<int>(M(parent).children.size());
    TsnTreeNode* added = form == 0   ? new TsnTreeNode(p, true)
                         : form == 1 ? root_->AppendChild(p, "n", false, wanted)
                         : form == 2 ? p->InsertChild(wanted, "n")
                                     : root_->InsertChild(wanted, p, "n");
    const bool placed = form != 0 && wanted >= 0 && (form == 1 ? wanted < count : wanted <= count);
    Register(model_.Add(parent, placed ? wanted : count), added);
    return "";
  }

  // Sorts by random keys; the first comparison also tries to change the tree, which must raise
  // and change nothing (the check after the step sees the tree whole).
  std::string Sort(int id, bool recurse) {
    for (int each : attached_) M(each).key = Pick(4);
    refused_ = compared_ = 0;
    root_->SetCompared({[](void* data, TsnTreeNode*, TsnTreeNode* a, TsnTreeNode* b, int32_t& result) {
                          auto* self = static_cast<TreeNodeDriver*>(data);
                          result = self->M(self->Id(a)).key - self->M(self->Id(b)).key;
                          if (self->compared_++ > 0) return;
                          try {
                            switch (self->Pick(5)) {
                              case 0: a->AddChild("changed"); break;
                              case 1: a->Delete(); break;
                              case 2: a->SetVisible(!a->GetVisible()); break;
                              case 3: a->GetVisible() ? a->Expand(true) : a->Clear(); break;
                              default: a->CustomSort(false);
                            }
                          } catch (const Error&) {
                            ++self->refused_;
                          }
                        },
                        this});
    real_[id]->CustomSort(recurse);
    model_.Sort(id, recurse);
    return refused_ == (compared_ > 0 ? 1 : 0) ? "" : "a change inside OnCompare was taken";
  }

  std::string Assign(int to, int from) {
    const bool related = to != from && (Within(to, from) || Within(from, to));
    try {
      real_[to]->Assign(real_[from]);
    } catch (const Error&) {
      return related ? "" : "Assign raised";
    }
    if (to != from) model_.Assign(to, from);
    return related ? "Assign moved a node below itself" : "";
  }

  // A node of another tree as parent or to take out is refused, each way.
  std::string RefuseStrangers(int id) {
    TsnTreeNode other(nullptr, false);
    TsnTreeNode* stranger = other.AddChild("x");
    int refused = 0;
    for (int call = 0; call < 3; ++call) {
      try {
        call == 0 ? (void)real_[id]->AddChild(stranger, "x")
                  : call == 1 ? (void)real_[id]->AppendChild(stranger, "x", false, 0) : real_[id]->Delete(stranger);
      } catch (const Error&) {
        ++refused;
      }
    }
    return refused == 3 ? "" : "a node of another tree was taken";
  }

  std::string Check() {
    std::string out;
    size_t reports = 0;
    for (int count : reported_) reports += count;
    if (reports != model_.freed.size()) out += "OnDeleteNode calls; ";
    for (; freedChecked_ < model_.freed.size(); ++freedChecked_) {
      const int id = model_.freed[freedChecked_];
      if (slots_[id] != nullptr || reported_[id] != 1) out += "ReferenceSlot or OnDeleteNode of a deleted node; ";
    }
    rows_.clear();
    size_.resize(model_.nodes.size());
    shown_.resize(model_.nodes.size());
    rowOf_.assign(model_.nodes.size(), -1);
    CheckSubtree(0, &rows_, out);
    for (int id : detached_) CheckSubtree(id, nullptr, out);
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

  // Every node from top, against the model; rows (the root's walk only) gets the shown rows.
  void CheckSubtree(int top, std::vector<int>* rows, std::string& out) {
    order_.clear();
    model_.Walk(top, order_, size_, shown_, rows);
    for (size_t row = 0; rows != nullptr && row < rows->size(); ++row) rowOf_[(*rows)[row]] = static_cast<int>(row);
    for (size_t position = 0; position < order_.size(); ++position) {
      const int id = order_[position];
      const TsnTreeNode* node = real_[id];
      const char* wrong = node->GetCount() != static_cast<int>(M(id).children.size()) ? "GetCount" : nullptr;
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
  std::vector<int> detached_, reported_;
  size_t freedChecked_ = 0;
  int refused_ = 0, compared_ = 0;
  std::vector<int> attached_, rows_, order_, rowOf_, size_, shown_;
};

}  // namespace ruzi::treemodel
