#pragma once
// Items looked up by their own Name (a std::string member), byte for byte: open addressing over
// one flat array holding each item's pointer beside its name's hash. An item is found or placed
// with one probe into nearby memory; a node-based map chased two pointers and allocated a node
// per name, which was most of the cost of parsing a text of many items. The index does not own
// the items; an item's Name must not change while it is indexed. Not thread-safe: an index belongs
// to the thread of the object that holds it.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace ruzi {

template <typename Item>
class NameIndex {
 public:
  Item* Find(std::string_view name) const {
    return entries_.empty() ? nullptr : entries_[Locate(name, Hash(name))].item;
  }

  // The item with this name, or the item `make()` returns, indexed under it (`added` true).
  template <typename Make>
  Item* FindOrAdd(std::string_view name, Make make, bool& added) {
    if (2 * (count_ + 1) > entries_.size()) Rebuild(entries_.empty() ? 16 : 2 * entries_.size());
    const uint64_t hash = Hash(name);
    Entry& entry = entries_[Locate(name, hash)];
    added = entry.item == nullptr;
    if (added) {
      entry = Entry{hash, make()};
      ++count_;
    }
    return entry.item;
  }

  void Erase(std::string_view name) {
    if (entries_.empty()) return;
    size_t hole = Locate(name, Hash(name));
    if (entries_[hole].item == nullptr) return;
    entries_[hole].item = nullptr;
    --count_;
    // Later entries of the same run move back into the hole when their home allows it, so every
    // entry stays reachable from its home without markers for removed ones.
    const size_t mask = entries_.size() - 1;
    for (size_t at = (hole + 1) & mask; entries_[at].item != nullptr; at = (at + 1) & mask) {
      const size_t home = entries_[at].hash & mask;
      const bool stays = hole < at ? (home > hole && home <= at) : (home > hole || home <= at);
      if (stays) continue;
      entries_[hole] = entries_[at];
      entries_[at].item = nullptr;
      hole = at;
    }
  }

  void Clear() {
    entries_.clear();
    count_ = 0;
  }

 private:
  struct Entry {
    uint64_t hash = 0;
    Item* item = nullptr;
  };

  static uint64_t Hash(std::string_view name) { return std::hash<std::string_view>()(name); }

  // The entry holding the name, or the empty one where it belongs.
  size_t Locate(std::string_view name, uint64_t hash) const {
    const size_t mask = entries_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
      const Entry& entry = entries_[at];
      if (entry.item == nullptr || (entry.hash == hash && entry.item->Name == name)) return at;
    }
  }

  void Rebuild(size_t size) {
    std::vector<Entry> old(size);
    old.swap(entries_);
    const size_t mask = size - 1;
    for (const Entry& entry : old) {
      if (entry.item == nullptr) continue;
      size_t at = entry.hash & mask;
      while (entries_[at].item != nullptr) at = (at + 1) & mask;
      entries_[at] = entry;
    }
  }

  std::vector<Entry> entries_;  // a power of two long, at most half full
  size_t count_ = 0;
};

}  // namespace ruzi
