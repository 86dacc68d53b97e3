#pragma once
// The tree as plain vectors, every answer worked out from the definitions by walking it: the
// model the property driver holds TsnTreeNode to. Node 0 is the root; a node taken out of the
// tree has parent -1.
#include <algorithm>
#include <cstdint>
#include <vector>

namespace ruzi::treemodel {

struct ModelNode {
  int parent = -1;
  std::vector<int> children;
  bool visible = true;
  int flag = -1;  // -1 follows the default
  int key = 0;
  bool live = true;
};

struct TreeModel {
  std::vector<ModelNode> nodes{ModelNode{}};
  bool defaultExpand = false;
  int deleted = 0;
  std::vector<int> freed;

  bool Flag(int id) const { return nodes[id].flag < 0 ? defaultExpand : nodes[id].flag == 1; }
  bool Open(int id) const { return id == 0 || Flag(id); }

  int Add(int parent, int index) {
    ModelNode& p = nodes[parent];
    if (p.children.empty() && p.flag < 0) p.flag = defaultExpand;
    nodes.push_back(ModelNode{});
    nodes.back().parent = parent;
    auto& siblings = nodes[parent].children;
    const int id = static_cast<int>(nodes.size()) - 1;
    siblings.insert(siblings.begin() + index, id);
    return id;
  }
  void Detach(int id) {
    if (nodes[id].parent < 0) return;
    auto& siblings = nodes[nodes[id].parent].children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), id));
    nodes[id].parent = -1;
  }
  void Free(int id) {
    Detach(id);
    for (int child : nodes[id].children) {
      nodes[child].parent = -1;
      Free(child);
    }
    nodes[id].children.clear();
    nodes[id].live = false;
    if (id != 0) ++deleted;
    freed.push_back(id);
  }
  void Clear(int id) {
    while (!nodes[id].children.empty()) Free(nodes[id].children.back());
  }
  void SetFlag(int id, bool value, bool recurse) {
    if (!nodes[id].visible) return;
    SetFlagBelow(id, value, recurse);
  }
  void SetFlagBelow(int id, bool value, bool recurse) {
    nodes[id].flag = value;
    if (!recurse) return;
    for (int child : nodes[id].children) SetFlagBelow(child, value, true);
  }
  void Sort(int id, bool recurse) {
    auto& children = nodes[id].children;
    if (recurse) {
      for (int child : children) Sort(child, true);
    }
    std::stable_sort(children.begin(), children.end(), [&](int a, int b) { return nodes[a].key < nodes[b].key; });
  }
  void Assign(int to, int from) {
    Clear(to);
    nodes[to].children.swap(nodes[from].children);
    for (int child : nodes[to].children) nodes[child].parent = to;
    nodes[to].flag = nodes[from].flag;
  }
  void Put(int parent, int index, int id) {
    const int old = nodes[parent].children[index];
    nodes[old].parent = -1;
    nodes[parent].children[index] = id;
    nodes[id].parent = parent;
    Free(old);
  }

  // Derived answers.
  // Subtree sizes and the rows shown below each node now, for id and its descendants.
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
    if (!Open(id)) return;
    for (int child : nodes[id].children) {
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
      if (!Flag(a)) return false;
    }
    return true;
  }
  bool LevelEnd(int id) const {
    const int parent = nodes[id].parent;
    if (parent < 0) return true;
    const auto& siblings = nodes[parent].children;
    auto at = std::find(siblings.begin(), siblings.end(), id);
    return std::none_of(at + 1, siblings.end(), [&](int s) { return nodes[s].visible; });
  }
};

}  // namespace ruzi::treemodel
