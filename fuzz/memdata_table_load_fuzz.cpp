// A table service's reply as memdata.dll receives it: the tagged reply, the section packet in
// it, the records read from it and applied to the cache. No crash, no read outside the input;
// a refused packet changes nothing; after a load every key finds its own record, every text
// field ends inside its array, and calendar questions on what was loaded stay in range.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "foundation/error.h"
#include "trading/cache/day_kind_text.h"
#include "trading/cache/reference_cache.h"
#include "trading/cache/table_rows.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

class NoSource : public ruzi::TableSource {
 public:
  bool Fetch(const ruzi::CacheTableInfo&, const std::vector<std::string>&, std::string*, std::string*) override {
    return false;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const auto table = static_cast<ruzi::CacheTable>(data[0] % ruzi::kCacheTableCount);
  const bool partial = (data[1] & 1) != 0;
  std::string reply(reinterpret_cast<const char*>(data + 2), size - 2);

  NoSource source;
  ruzi::ReferenceCache cache(source);
  std::string packet;
  std::string error;
  if (!ruzi::TablePacketOfReply(reply, &packet, &error)) {
    Check(!error.empty());
    packet = reply;  // the packet on its own, too
  }
  const int32_t before = cache.funds.Count();
  bool applied = true;
  try {
    cache.Apply(table, partial ? std::vector<std::string>{"1"} : std::vector<std::string>{}, packet);
  } catch (const ruzi::Error&) {
    applied = false;
  }
  if (!applied) Check(cache.funds.Count() == before);
  for (int32_t i = 0; i < cache.markets.Count(); ++i) {
    const ruzi::RMarketInfo* market = cache.markets.At(i);
    Check(std::strlen(market->market_no) < sizeof market->market_no);
    Check(std::strlen(market->tradeday_type) < sizeof market->tradeday_type);
    Check(cache.markets.Find(ruzi::MarketKey(market->market_no)) == market);
  }
  for (int32_t i = 0; i < cache.funds.Count(); ++i) {
    const ruzi::RFundInfo* fund = cache.funds.At(i);
    Check(cache.funds.Find(ruzi::NumberKey(fund->fund_id)) == fund);
  }
  // Calendar questions on whatever was loaded, with kinds and lists read from the input.
  auto book = cache.Book();
  const std::string text(reply.substr(0, 16));
  auto days = book->Days(ruzi::CalendarList(text), ruzi::KindMaskOfText(text) | 1u);
  for (const auto& [code, calendar] : book->Calendars()) {
    const int32_t first = calendar.FirstDate();
    int32_t pos = 0;
    int32_t shifted = book->Days({code}, 1)->Shift(first, static_cast<int32_t>(size % 50) - 25, &pos);
    Check(shifted == -1 || (shifted >= first && shifted <= calendar.LastDate() && pos >= 1));
    Check(book->Days({code}, 1)->Count(first, calendar.LastDate(), 7) >= 0);
  }
  Check(days->Count(20240101, 20240102, 3) >= -1);
  return 0;
}
