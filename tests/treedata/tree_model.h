#pragma once
// The tree as plain vectors, every answer worked out from the definitions by walking it: the
// model the property driver holds TsnTreeNode to. Node 0 is the root; a node out of the tree
// has parent -1.
#include <algorithm>
#include <utility>
#include <vector>

namespace ruzi::treemodel {

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
  void SetFlag(int id, bool value, bool recurse) {
    if (!nodes[id].visible) return;
    nodes[id].flag = value;
    for (int child : recurse ? nodes[id].children : std::vector<int>{}) SetFlagBelow(child, value);
  }
  void SetFlagBelow(int id, bool value) {
    nodes[id].flag = value;
    for (int child : nodes[id].children) SetFlagBelow(child, value);
  }
  void Sort(int id, bool recurse) {
    auto& children = nodes[id].children;
    for (int child : recurse ? children : std::vector<int>{}) Sort(child, true);
    std::stable_sort(children.begin(), children.end(), [&](int a, int b) { return nodes[a].key < nodes[b].key; });
  }

  // Subtree sizes and the rows shown below each node now.
  void Count(int id, std::vector<int>& size, std::vector<int>& shown) const {
    size[id] = 1;
    shown[id] = 0;
    for (int child : nodes[id].children) {
      Count(child, size, shown);
      size[id] += size[child];
      if (nodes[child].visible) shown[id] += 1 + shown[child];
    }
    if (!Open(id)) shown[id] = 0;
  }
  void Rows(int id, std::vector<int>& out) const {
    for (int child : Open(id) ? nodes[id].children : std::vector<int>{}) {
      if (!nodes[child].visible) continue;
      out.push_back(child);
      Rows(child, out);
    }
  }
  void PreOrder(int id, std::vector<int>& out) const {
    out.push_back(id);
    for (int child : nodes[id].children) PreOrder(child, out);
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
    auto at = std::find(siblings.begin(), siblings.end(), id);
    return std::none_of(at + 1, siblings.end(), [&](int s) { return nodes[s].visible; });
  }
};

}  // namespace ruzi::treemodel
