#include "trading/cache/reference_cache.h"

#include <map>

#include "foundation/error.h"
#include "trading/cache/table_rows.h"

namespace ruzi {
namespace {

constexpr std::chrono::seconds kRetryPause{3};

template <typename Record>
void Store(RecordTable<Record>& table, const std::vector<std::string>& keys, std::vector<KeyedRecord<Record>>&& rows) {
  if (keys.empty()) {
    table.LoadAll(std::move(rows));
  } else {
    table.LoadPart(KeyText(keys), std::move(rows));
  }
}

}  // namespace

void ReferenceCache::Apply(CacheTable table, const std::vector<std::string>& keys, std::string packet) {
  // Rows are read completely before any record changes, so a bad packet changes nothing.
  switch (table) {
    case CacheTable::Markets:
      Store(markets, keys, ReadMarketRows(std::move(packet)));
      break;
    case CacheTable::Funds:
      Store(funds, keys, ReadFundRows(std::move(packet)));
      break;
    case CacheTable::Operators:
      Store(operators, keys, ReadOperatorRows(std::move(packet)));
      break;
    case CacheTable::System:
      Store(system, {}, ReadSystemRows(std::move(packet)));
      break;
    case CacheTable::Parameters:
      Store(parameters, keys, ReadParameterRows(std::move(packet)));
      break;
    case CacheTable::MenuRights:
      Store(menu_rights, keys, ReadMenuRightRows(std::move(packet)));
      break;
    case CacheTable::TradeDays:
      Store(trade_days, keys, ReadTradeDayRows(std::move(packet)));
      RebuildBook();
      break;
  }
}

int32_t ReferenceCache::Load(CacheTable table, const std::vector<std::string>& keys) {
  LoadState& state = states_[static_cast<size_t>(table)];
  state.tried = true;
  state.last_try = std::chrono::steady_clock::now();
  std::string packet;
  std::string error;
  const CacheTableInfo& info = TableInfo(table);
  // The system record has no key: any refresh of it is a whole one.
  std::vector<std::string> wanted = info.key_columns.empty() ? std::vector<std::string>{} : keys;
  if (wanted.size() > info.key_columns.size()) wanted.resize(info.key_columns.size());
  if (source_.Fetch(info, wanted, &packet, &error)) {
    try {
      Apply(table, wanted, std::move(packet));
      state.loaded.store(true, std::memory_order_release);
      state.error.clear();
      return 0;
    } catch (const Error& e) {
      error = e.what();
    }
  }
  state.error = error.empty() ? std::string("加载失败") : error;
  return -1;
}

void ReferenceCache::Ensure(CacheTable table) {
  LoadState& state = states_[static_cast<size_t>(table)];
  if (state.loaded.load(std::memory_order_acquire)) return;
  std::lock_guard<std::mutex> guard(load_lock_);
  if (state.loaded.load(std::memory_order_relaxed)) return;
  if (state.tried && std::chrono::steady_clock::now() - state.last_try < kRetryPause) return;
  Load(table, {});
}

int32_t ReferenceCache::Refresh(std::string_view target_text) {
  RefreshTarget parsed = ParseRefreshTarget(target_text);
  const CacheTableInfo* info = FindCacheTable(parsed.table);
  if (info == nullptr) return 1;
  std::lock_guard<std::mutex> guard(load_lock_);
  LoadState& state = states_[static_cast<size_t>(info->table)];
  // Rows of a table never loaded would only be a part of it: load it whole.
  return Load(info->table, state.loaded ? parsed.keys : std::vector<std::string>{});
}

std::string ReferenceCache::LastError(CacheTable table) {
  std::lock_guard<std::mutex> guard(load_lock_);
  return states_[static_cast<size_t>(table)].error;
}

std::shared_ptr<const TradeDayBook> ReferenceCache::Book() {
  std::lock_guard<std::mutex> guard(book_lock_);
  return book_;
}

void ReferenceCache::RebuildBook() {
  std::map<std::string, std::vector<CalendarDay>> days;
  for (const RTradeDay& day : trade_days.Snapshot()) {
    days[day.tradeday_type].push_back({day.date, static_cast<uint32_t>(day.kinds)});
  }
  std::map<std::string, TradeCalendar> calendars;
  for (auto& [code, list] : days) calendars.emplace(code, TradeCalendar(std::move(list)));
  auto book = std::make_shared<TradeDayBook>(std::move(calendars));
  std::lock_guard<std::mutex> guard(book_lock_);
  book_ = std::move(book);
}

}  // namespace ruzi
