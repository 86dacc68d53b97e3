#pragma once
// The reference-data cache: every table as a RecordTable and the calendars built from the
// trade days. A table is loaded from its source on first use; after a failed load it is tried
// again on a later use, at most every few seconds, so a missing server is not asked for each
// look-up. Refresh reloads a whole table or the rows a notice names, rewriting records in
// place.
#include <array>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "trading/cache/cache_tables.h"
#include "trading/cache/memtable.h"
#include "trading/cache/record_table.h"
#include "trading/cache/trade_calendar.h"

namespace ruzi {

class TableSource {
 public:
  virtual ~TableSource() = default;
  // The table's rows as a section packet: all (no keys) or those whose leading key columns
  // hold `keys`. False with the reason when the rows could not be had.
  virtual bool Fetch(const CacheTableInfo& table, const std::vector<std::string>& keys, std::string* packet,
                     std::string* error) = 0;
};

class ReferenceCache {
 public:
  explicit ReferenceCache(TableSource& source) : source_(source) {}
  ReferenceCache(const ReferenceCache&) = delete;
  ReferenceCache& operator=(const ReferenceCache&) = delete;

  // Loads the table unless it was loaded, or failed a moment ago.
  void Ensure(CacheTable table);
  // 0 reloaded, 1 not a table of the cache, -1 the load failed (the old rows stay).
  int32_t Refresh(std::string_view target_text);
  // Applies a packet as a load of the table (keys: the rows it replaces). Throws ruzi::Error
  // for a malformed packet, leaving the table as it was.
  void Apply(CacheTable table, const std::vector<std::string>& keys, std::string packet);
  std::string LastError(CacheTable table);

  RecordTable<RMarketInfo> markets;
  RecordTable<RFundInfo> funds;
  RecordTable<ROperatorInfo> operators;
  RecordTable<RSystemInfo> system;
  RecordTable<RSysParameter> parameters;
  RecordTable<RMenuRight> menu_rights;
  RecordTable<RTradeDay> trade_days;

  // The calendars of the last trade-day load (never null).
  std::shared_ptr<const TradeDayBook> Book();

 private:
  struct LoadState {
    std::atomic<bool> loaded{false};  // read without the lock: every look-up asks
    bool tried = false;
    std::chrono::steady_clock::time_point last_try{};
    std::string error;
  };

  int32_t Load(CacheTable table, const std::vector<std::string>& keys);
  void RebuildBook();

  TableSource& source_;
  std::mutex load_lock_;  // one load at a time; look-ups go on meanwhile
  std::array<LoadState, kCacheTableCount> states_{};
  std::mutex book_lock_;
  std::shared_ptr<const TradeDayBook> book_ = std::make_shared<TradeDayBook>(std::map<std::string, TradeCalendar>{});
};

}  // namespace ruzi
