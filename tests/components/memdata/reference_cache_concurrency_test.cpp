// Look-ups and calendar questions on several threads while another thread reloads the tables:
// the index, the order and the calendars may change under the readers, but a look-up never
// gives null, a count never leaves its bounds and a shift answers a stored date or -1.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "no_source.h"
#include "section_packet.h"
#include "trading/cache/reference_cache.h"
#include "trading/cache/table_rows.h"

namespace ruzi {
namespace {

using testing::NoSource;

std::string Funds(int first, int count) {
  testing::TextRows rows;
  for (int id = first; id < first + count; ++id) rows.push_back({std::to_string(id), "f" + std::to_string(id)});
  return testing::SectionPacket({"l_fund_id", "vc_fund_name"}, rows);
}

std::string Days(int32_t first_day, int count) {
  testing::TextRows rows;
  for (int i = 0; i < count; ++i) rows.push_back({"00", std::to_string(first_day + i), std::to_string(i % 3 == 0 ? 0 : 3)});
  return testing::SectionPacket({"vc_tradeday_type", "l_date", "l_day_kind"}, rows);
}

TEST(ReferenceCacheConcurrency, ReadersSeeAConsistentIndexWhileTablesReload) {
  NoSource source;
  ReferenceCache cache(source);
  cache.Apply(CacheTable::Funds, {}, Funds(1, 20));  // the reloads below keep 10 to 21 funds
  cache.Apply(CacheTable::TradeDays, {}, Days(20240101, 28));
  std::atomic<bool> stop{false};
  std::atomic<int> bad{0};
  std::vector<std::thread> readers;
  for (int t = 0; t < 3; ++t) {
    readers.emplace_back([&, t] {
      for (int i = 0; !stop.load(); ++i) {
        if (cache.funds.Find(NumberKey(1 + (i + t) % 40)) == nullptr) ++bad;
        const int32_t count = cache.funds.Count();
        if (count < 10 || count > 21) ++bad;  // 10 to 20 rows, and fund 5 perhaps added
        if (cache.funds.At(i % 25) == nullptr) ++bad;
        auto days = cache.Book()->Days({"00"}, 1);
        const int32_t shifted = days->Shift(20240105, 2, nullptr);
        if (shifted != -1 && (shifted < 20240101 || shifted > 20240128)) ++bad;
        if (days->Count(20240101, 20240128, 3) > 28) ++bad;
      }
    });
  }
  for (int round = 0; round < 300; ++round) {
    cache.Apply(CacheTable::Funds, {}, Funds(1 + round % 10, 10 + round % 11));
    cache.Apply(CacheTable::Funds, {"5"}, Funds(5, 1));
    cache.Apply(CacheTable::TradeDays, {}, Days(20240101 + round % 3, 20 + round % 8));
  }
  stop = true;
  for (std::thread& reader : readers) reader.join();
  EXPECT_EQ(bad.load(), 0);
}

}  // namespace
}  // namespace ruzi
