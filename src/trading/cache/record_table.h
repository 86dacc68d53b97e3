#pragma once
// One table of the cache: records at addresses that stay valid for the life of the process.
// A load rewrites a known record in place and appends a new one; a record that left the table
// is zero-filled and forgotten by the index, never freed, so a pointer a caller kept reads
// zeros instead of freed memory. Keys are the record's key values, each followed by "|"
// (fund 12 is "12|", a trade day "00|20240102|"), so a partial load names a key prefix.
#include <cstdint>
#include <cstring>
#include <deque>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ruzi {

template <typename Record>
struct KeyedRecord {
  std::string key;
  Record record;
};

template <typename Record>
class RecordTable {
 public:
  RecordTable() { std::memset(&zero_, 0, sizeof zero_); }
  RecordTable(const RecordTable&) = delete;
  RecordTable& operator=(const RecordTable&) = delete;

  // The whole table becomes `rows`, in their order.
  void LoadAll(std::vector<KeyedRecord<Record>>&& rows) {
    std::unique_lock<std::shared_mutex> guard(lock_);
    std::unordered_map<std::string, Record*> kept;
    std::vector<Record*> order;
    order.reserve(rows.size());
    for (auto& row : rows) {
      if (kept.count(row.key) != 0) continue;  // a repeated key: the first row counts
      Record* slot = Upsert(row);
      kept.emplace(row.key, slot);
      order.push_back(slot);
    }
    for (auto& [key, slot] : index_) {
      if (kept.count(key) == 0) std::memset(slot, 0, sizeof(Record));
    }
    index_ = std::move(kept);
    order_ = std::move(order);
    keys_.clear();
    for (auto& [key, slot] : index_) keys_[slot] = key;
    ++version_;
  }

  // Only the rows whose key starts with `prefix` are replaced by `rows`: a row that came back
  // is rewritten (or appended), a matching row that did not is removed.
  void LoadPart(std::string_view prefix, std::vector<KeyedRecord<Record>>&& rows) {
    std::unique_lock<std::shared_mutex> guard(lock_);
    std::unordered_map<std::string, bool> returned;
    for (auto& row : rows) {
      if (row.key.compare(0, prefix.size(), prefix) != 0 || returned.count(row.key) != 0) continue;
      bool known = index_.count(row.key) != 0;
      Record* slot = Upsert(row);
      index_.emplace(row.key, slot);
      if (!known) {
        order_.push_back(slot);
        keys_[slot] = row.key;
      }
      returned.emplace(row.key, true);
    }
    std::vector<Record*> order;
    order.reserve(order_.size());
    for (Record* slot : order_) {
      const std::string& key = keys_[slot];
      if (key.compare(0, prefix.size(), prefix) == 0 && returned.count(key) == 0) {
        index_.erase(key);
        keys_.erase(slot);
        std::memset(slot, 0, sizeof(Record));
      } else {
        order.push_back(slot);
      }
    }
    order_ = std::move(order);
    ++version_;
  }

  // The record of `key`, or the table's zero-filled record; never null.
  Record* Find(const std::string& key) {
    std::shared_lock<std::shared_mutex> guard(lock_);
    auto found = index_.find(key);
    return found != index_.end() ? found->second : &zero_;
  }
  bool Contains(const std::string& key) {
    std::shared_lock<std::shared_mutex> guard(lock_);
    return index_.count(key) != 0;
  }
  int32_t IndexOf(const std::string& key) {
    std::shared_lock<std::shared_mutex> guard(lock_);
    auto found = index_.find(key);
    if (found == index_.end()) return -1;
    for (size_t i = 0; i < order_.size(); ++i) {
      if (order_[i] == found->second) return static_cast<int32_t>(i);
    }
    return -1;
  }
  int32_t Count() {
    std::shared_lock<std::shared_mutex> guard(lock_);
    return static_cast<int32_t>(order_.size());
  }
  Record* At(int32_t index) {
    std::shared_lock<std::shared_mutex> guard(lock_);
    if (index < 0 || static_cast<size_t>(index) >= order_.size()) return &zero_;
    return order_[static_cast<size_t>(index)];
  }
  int32_t Version() {
    std::shared_lock<std::shared_mutex> guard(lock_);
    return version_;
  }
  // A copy of the live records in table order (for derived indexes and tools).
  std::vector<Record> Snapshot() {
    std::shared_lock<std::shared_mutex> guard(lock_);
    std::vector<Record> copy;
    copy.reserve(order_.size());
    for (const Record* slot : order_) copy.push_back(*slot);
    return copy;
  }

 private:
  Record* Upsert(const KeyedRecord<Record>& row) {
    auto found = index_.find(row.key);
    if (found != index_.end()) {
      *found->second = row.record;
      return found->second;
    }
    storage_.push_back(row.record);
    return &storage_.back();
  }

  std::shared_mutex lock_;
  std::deque<Record> storage_;  // a deque never moves what it holds
  std::unordered_map<std::string, Record*> index_;
  std::unordered_map<const Record*, std::string> keys_;
  std::vector<Record*> order_;
  int32_t version_ = 0;
  Record zero_;
};

}  // namespace ruzi
