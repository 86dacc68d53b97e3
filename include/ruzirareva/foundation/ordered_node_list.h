#pragma once
// The sorted map behind TOrderList and TStrOrderList: nodes kept in ascending key order in an
// index for binary search and chained through Prior/Next. The search returns, when a key is
// absent, the node after which it belongs, which is what Insert and the callers rely on.
// Map operations take no lock; a list shared by threads is bracketed with Lock/UnLock.
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "ruzirareva/foundation/data_deleter.h"

namespace ruzi {

template <typename KeyT>
struct OrderedNode {
  OrderedNode* Prior = nullptr;
  OrderedNode* Next = nullptr;
  KeyT Key{};
  void* Data = nullptr;
};

template <typename KeyT>
class OrderedNodeList {
 public:
  using Node = OrderedNode<KeyT>;
  using Key = KeyT;

  explicit OrderedNodeList(DataDeleter deleter = {}) : deleter_(std::move(deleter)) {}
  virtual ~OrderedNodeList() { ClearWithFreeData(); }
  OrderedNodeList(const OrderedNodeList&) = delete;
  OrderedNodeList& operator=(const OrderedNodeList&) = delete;

  int64_t GetCount() const { return static_cast<int64_t>(items_.size()); }
  Node* GetItems(int64_t index) const { return items_.at(static_cast<size_t>(index)); }
  // Stores the pointer as it is: the caller keeps the order.
  void SetItems(int64_t index, Node* node) { items_.at(static_cast<size_t>(index)) = node; }

  // Re-entrant, like the critical section it stands for.
  void Lock() { lock_.lock(); }
  void UnLock() { lock_.unlock(); }

  // Over the whole list; a null node for an empty one.
  bool Search(const KeyT& key, Node*& node) const {
    int64_t position = -1;
    if (items_.empty()) {
      node = nullptr;
      return false;
    }
    return SearchRange(key, node, GetCount() - 1, 0, position);
  }

  // Binary search of low..high. Found: the node and its index. Absent: the node after which
  // the key belongs (null before the first) and that node's index (-1 with a null node).
  bool SearchRange(const KeyT& key, Node*& node, int64_t high, int64_t low, int64_t& position) const {
    for (;;) {
      if (low > high) return Miss(node, nullptr, position, -1);
      const Node* at_low = items_[static_cast<size_t>(low)];
      const Node* at_high = items_[static_cast<size_t>(high)];
      if (key == at_low->Key) return Hit(node, low, position);
      if (key == at_high->Key) return Hit(node, high, position);
      if (key < at_low->Key) return Miss(node, at_low->Prior, position, low - 1);
      if (at_high->Key < key) return Miss(node, items_[static_cast<size_t>(high)], position, high);
      if (low >= high - 1) return Miss(node, items_[static_cast<size_t>(low)], position, low);
      const int64_t mid = (low + high) / 2;
      const KeyT& mid_key = items_[static_cast<size_t>(mid)]->Key;
      if (key < mid_key) {
        high = mid - 1;
      } else if (mid_key < key) {
        low = mid;
      } else {
        return Hit(node, mid, position);
      }
    }
  }

  // Index of the key, or -1.
  int64_t FindPos(const KeyT& key, Node*& node) const {
    int64_t position = -1;
    if (items_.empty()) {
      node = nullptr;
      return -1;
    }
    return SearchRange(key, node, GetCount() - 1, 0, position) ? position : -1;
  }

  bool Insert(const KeyT& key, void* data) {
    Node* before = nullptr;
    int64_t position = -1;
    if (!items_.empty() && SearchRange(key, before, GetCount() - 1, 0, position)) return false;
    Node* node = new Node{nullptr, nullptr, key, data};
    if (before != nullptr) {
      node->Prior = before;
      node->Next = before->Next;
      if (before->Next != nullptr) before->Next->Prior = node;
      before->Next = node;
      items_.insert(items_.begin() + position + 1, node);
    } else {
      node->Next = items_.empty() ? nullptr : items_.front();
      if (node->Next != nullptr) node->Next->Prior = node;
      items_.insert(items_.begin(), node);
    }
    return true;
  }

  // Insert of each entry in turn, in one sort and one merge instead of a shifted index per
  // entry (a file of keys in falling order made loading quadratic): the first entry of a key
  // wins, an entry whose key is present already is dropped. Returns the dropped entries' data.
  std::vector<void*> InsertMany(std::vector<std::pair<KeyT, void*>> entries) {
    std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<void*> dropped;
    std::vector<Node*> merged;
    merged.reserve(items_.size() + entries.size());
    size_t present = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
      const KeyT& key = entries[i].first;
      while (present < items_.size() && items_[present]->Key < key) merged.push_back(items_[present++]);
      const bool taken = (i > 0 && entries[i - 1].first == key) || (present < items_.size() && items_[present]->Key == key);
      if (taken) dropped.push_back(entries[i].second);
      else merged.push_back(new Node{nullptr, nullptr, key, entries[i].second});
    }
    merged.insert(merged.end(), items_.begin() + static_cast<std::ptrdiff_t>(present), items_.end());
    for (size_t i = 0; i < merged.size(); ++i) {
      merged[i]->Prior = i > 0 ? merged[i - 1] : nullptr;
      merged[i]->Next = i + 1 < merged.size() ? merged[i + 1] : nullptr;
    }
    items_ = std::move(merged);
    return dropped;
  }

  bool Delete(const KeyT& key) { return Delete(key, true); }

  // Releases the data block only when free_data is true.
  bool Delete(const KeyT& key, bool free_data) {
    bool found = false;
    void* data = Unlink(key, found);
    if (found && free_data) Release(data);
    return found;
  }

  // Releases all nodes but not their data.
  void Clear() {
    for (Node* node : items_) delete node;
    items_.clear();
  }

  // Releases all nodes and their data; the number of entries released.
  int64_t ClearWithFreeData() {
    const int64_t count = GetCount();
    for (Node* node : items_) {
      Release(node->Data);
      delete node;
    }
    items_.clear();
    return count;
  }

 protected:
  // Unlinks and frees the node, handing back its data.
  void* Unlink(const KeyT& key, bool& found) {
    Node* node = nullptr;
    int64_t position = -1;
    found = !items_.empty() && SearchRange(key, node, GetCount() - 1, 0, position);
    if (!found) return nullptr;
    if (node->Prior != nullptr) node->Prior->Next = node->Next;
    if (node->Next != nullptr) node->Next->Prior = node->Prior;
    void* data = node->Data;
    items_.erase(items_.begin() + position);
    delete node;
    return data;
  }

  void Release(void* data) {
    if (data != nullptr && deleter_) deleter_(data);
  }

  void SetDeleter(DataDeleter deleter) { deleter_ = std::move(deleter); }

 private:
  bool Hit(Node*& node, int64_t index, int64_t& position) const {
    node = items_[static_cast<size_t>(index)];
    position = index;
    return true;
  }
  static bool Miss(Node*& node, Node* after, int64_t& position, int64_t index) {
    node = after;
    position = index;
    return false;
  }

  std::recursive_mutex lock_;
  std::vector<Node*> items_;
  DataDeleter deleter_;
};

}  // namespace ruzi
