// The cache's tables: addresses that survive reloads, zero records for unknown keys, partial
// refreshes by key prefix, loads that fail or bring malformed packets, and the texts of the
// notices and requests.
#include "trading/cache/reference_cache.h"

#include <gtest/gtest.h>

#include <cstring>

#include "foundation/error.h"
#include "section_packet.h"
#include "trading/cache/day_kind_text.h"
#include "trading/cache/table_rows.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using testing::SectionPacket;

const std::vector<std::string> kFundColumns = {"l_fund_id", "vc_fund_name", "vc_market_list", "c_switch_mode",
                                               "l_switch_time"};

// Answers from a table of packets; records what it was asked.
class ScriptedSource : public TableSource {
 public:
  bool Fetch(const CacheTableInfo& table, const std::vector<std::string>& keys, std::string* packet,
             std::string* error) override {
    asked.push_back(std::string(table.name) + ":" + KeyText(keys));
    if (fail) {
      *error = "服务器不可用";
      return false;
    }
    *packet = next;
    return true;
  }
  std::vector<std::string> asked;
  std::string next;
  bool fail = false;
};

// The funds in their order: "id name switch_time;" each.
std::string Funds(ReferenceCache& cache) {
  std::string text;
  for (int32_t i = 0; i < cache.funds.Count(); ++i) {
    const RFundInfo* fund = cache.funds.At(i);
    text += std::to_string(fund->fund_id) + " " + fund->fund_name + " " + std::to_string(fund->switch_time) + ";";
  }
  return text;
}

TEST(RecordTableLoads, ARecordKeepsItsAddressThroughReloadsAndLeavesZeros) {
  ScriptedSource source;
  ReferenceCache cache(source);
  source.next = SectionPacket(kFundColumns, {{"1", "稳健增长", "1,2", "0", "150000"}, {"2", "平衡配置", "n", "1", "0"}});
  cache.Ensure(CacheTable::Funds);
  RFundInfo* one = cache.funds.Find(NumberKey(1));
  RFundInfo* two = cache.funds.Find(NumberKey(2));
  EXPECT_EQ(Funds(cache), "1 稳健增长 150000;2 平衡配置 0;");
  EXPECT_EQ(cache.funds.Version(), 1);

  // Whole reload: fund 1 changes, fund 2 goes, fund 3 comes, in the order of the load.
  source.next = SectionPacket(kFundColumns, {{"3", "新基金", "U", "1", "0"}, {"1", "稳健增长二号", "1", "1", "160000"}});
  ASSERT_EQ(cache.Refresh("tfundinfo"), 0);
  EXPECT_EQ(Funds(cache), "3 新基金 0;1 稳健增长二号 160000;");
  EXPECT_EQ(cache.funds.Find(NumberKey(1)), one);
  EXPECT_EQ(two->fund_id, 0);  // the record a holder kept now reads zeros
  EXPECT_EQ(two->fund_name[0], '\0');
  EXPECT_FALSE(cache.funds.Contains(NumberKey(2)));
  EXPECT_EQ(cache.funds.IndexOf(NumberKey(1)), 1);
  EXPECT_EQ(cache.funds.IndexOf(NumberKey(2)), -1);
  EXPECT_EQ(cache.funds.Version(), 2);
  // Unknown keys and places give the zero record, never null.
  RFundInfo zero;
  std::memset(&zero, 0, sizeof zero);
  EXPECT_EQ(std::memcmp(cache.funds.Find(NumberKey(99)), &zero, sizeof zero), 0);
  EXPECT_EQ(cache.funds.At(-1), cache.funds.Find(NumberKey(99)));
  EXPECT_EQ(cache.funds.At(2), cache.funds.Find(NumberKey(99)));
  EXPECT_EQ(cache.parameters.Find(NumberKey(40704))->found, 0);
}

TEST(RecordTableLoads, ARefreshOfOneRowRewritesOnlyThatRowInPlace) {
  ScriptedSource source;
  ReferenceCache cache(source);
  source.next = SectionPacket(kFundColumns, {{"1", "a", "", "0", "0"}, {"12", "b", "", "0", "0"}, {"2", "c", "", "0", "0"}});
  cache.Ensure(CacheTable::Funds);
  RFundInfo* twelve = cache.funds.Find(NumberKey(12));
  RFundInfo* one = cache.funds.Find(NumberKey(1));
  source.next = SectionPacket(kFundColumns, {{"12", "b2", "", "1", "93000"}});
  ASSERT_EQ(cache.Refresh("tfundinfo|12|"), 0);
  EXPECT_EQ(source.asked.back(), "tfundinfo:12|");
  EXPECT_EQ(Funds(cache), "1 a 0;12 b2 93000;2 c 0;");  // in its place; "1|" is no prefix of "12|"
  EXPECT_EQ(cache.funds.Find(NumberKey(12)), twelve);
  EXPECT_EQ(cache.funds.IndexOf(NumberKey(12)), 1);

  // A named row the server no longer has leaves the table.
  source.next = SectionPacket(kFundColumns, {});
  ASSERT_EQ(cache.Refresh("TFUNDINFO|1"), 0);
  EXPECT_EQ(Funds(cache), "12 b2 93000;2 c 0;");
  EXPECT_EQ(one->fund_id, 0);  // the record a holder kept now reads zeros
  EXPECT_EQ(cache.funds.Find(NumberKey(12)), twelve);
}

TEST(RecordTableLoads, TradeDaysRefreshByCalendarPrefixAndTheCalendarsFollow) {
  ScriptedSource source;
  ReferenceCache cache(source);
  const std::vector<std::string> columns = {"vc_tradeday_type", "l_date", "l_day_kind"};
  source.next = SectionPacket(columns, {{"00", "20240102", "3"}, {"00", "20240103", "0"}, {"HK", "20240102", "2"}});
  cache.Ensure(CacheTable::TradeDays);
  RTradeDay* day = cache.trade_days.Find("00|20240103|");
  EXPECT_FALSE(cache.Book()->Days({"00"}, 1)->Contains(20240103));
  source.next = SectionPacket(columns, {{"00", "20240103", "11"}});
  ASSERT_EQ(cache.Refresh("tmarkettradeday|00|20240103|"), 0);
  EXPECT_EQ(cache.trade_days.Find("00|20240103|"), day);
  EXPECT_EQ(day->kinds, 11);
  EXPECT_TRUE(cache.Book()->Days({"00"}, 1)->Contains(20240103));
  // The whole calendar "00" by its code alone: HK stays.
  source.next = SectionPacket(columns, {{"00", "20240105", "1"}});
  ASSERT_EQ(cache.Refresh("tmarkettradeday|00|"), 0);
  EXPECT_EQ(cache.Book()->Calendar("00")->FirstDate(), 20240105);
  EXPECT_EQ(cache.Book()->Calendar("HK")->FirstDate(), 20240102);
}

TEST(RecordTableLoads, FailedAndMalformedLoadsKeepTheOldRowsAndSayWhy) {
  ScriptedSource source;
  ReferenceCache cache(source);
  source.fail = true;
  cache.Ensure(CacheTable::Markets);
  EXPECT_EQ(cache.LastError(CacheTable::Markets), "服务器不可用");
  cache.Ensure(CacheTable::Markets);  // within the pause: not asked again
  EXPECT_EQ(source.asked.size(), 1u);

  source.fail = false;
  source.next = SectionPacket({"c_market_no", "vc_market_name"}, {{"1", "上海"}});
  ASSERT_EQ(cache.Refresh("tmarketinfo"), 0);  // a refresh does not wait for the pause
  EXPECT_EQ(cache.LastError(CacheTable::Markets), "");
  RMarketInfo* market = cache.markets.Find(MarketKey("1"));
  EXPECT_STREQ(market->market_name, "上海");

  source.next =
      "    2\x01         5\x01"
      "c_market_no\x01vc_market_name\x01"
      "1\x01";  // rows promised, not there
  EXPECT_EQ(cache.Refresh("tmarketinfo"), -1);
  EXPECT_EQ(cache.LastError(CacheTable::Markets), "行、列数与实际不符");
  EXPECT_STREQ(market->market_name, "上海");
  EXPECT_EQ(cache.markets.Count(), 1);
  EXPECT_EQ(cache.Refresh("tasset|3|"), 1);  // not a table of the cache: nothing asked
  EXPECT_EQ(source.asked.size(), 3u);
}

TEST(TableRows, LongTextsAreCutAtACharacterAndMissingColumnsReadEmpty) {
  // 7 bytes fit the market code: "ABCDEF" + a double-byte character would split it.
  auto rows = ReadMarketRows(SectionPacket({"c_market_no", "en_time_zone"}, {{"ABCDEF中", "5.5"}}));
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_STREQ(rows[0].record.market_no, "ABCDEF");
  EXPECT_EQ(rows[0].key, "ABCDEF|");
  EXPECT_DOUBLE_EQ(rows[0].record.time_zone, 5.5);
  EXPECT_EQ(rows[0].record.begin_time1, 0);
  EXPECT_EQ(rows[0].record.tradeday_type[0], '\0');
  std::string long_value(300, 'v');
  auto parameters = ReadParameterRows(SectionPacket({"l_serial_no", "vc_value"}, {{"61057", long_value}}));
  EXPECT_EQ(std::strlen(parameters[0].record.value), 255u);
  EXPECT_EQ(parameters[0].record.found, 1);
  EXPECT_THROW(ReadFundRows("    0\x01         0\x01"), Error);  // no columns
  EXPECT_TRUE(ReadFundRows("").empty());
}

// Notices' table and leading keys, the table names, the replies' packets and the request
// texts; the kinds texts and calendar lists of the calendar questions.
TEST(RefreshTargets, TextsAgreeWithTheKnownAnswers) {
  auto joined = [](const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += item + ";";
    return text;
  };
  testing::CheckAnswers(
      "memdata_texts.txt",
      {{"target", [&](const auto& a) { auto t = ParseRefreshTarget(a[0]); return t.table + "|" + joined(t.keys); }},
       {"table", [](const auto& a) { auto* t = FindCacheTable(a[0]); return t ? std::string(t->name) : "none"; }},
       {"reply",
        [](const auto& a) {
          std::string packet, error;
          return TablePacketOfReply(a[0], &packet, &error) ? "packet " + packet : "error " + error;
        }},
       {"request", [](const auto& a) { return TableRequestText(a); }},
       {"kinds", [](const auto& a) { return std::to_string(KindMaskOfText(a[0])); }},
       {"bit", [](const auto& a) { return std::to_string(KindBit(std::stoi(a[0]))); }},
       {"calendars", [&](const auto& a) { return joined(CalendarList(a[0])); }}});
}

}  // namespace
}  // namespace ruzi
