#include "trading/cache/table_rows.h"

#include <cstring>

#include "foundation/string_to_number.h"
#include "packets/unpack.h"
#include "platform/environment.h"
#include "trading/cache/day_kind_text.h"

namespace ruzi {

namespace {

// Walks the rows of the first section, making one keyed record per row.
template <typename Record, typename Fill>
std::vector<KeyedRecord<Record>> ReadRows(std::string& packet, Fill fill) {
  std::vector<KeyedRecord<Record>> rows;
  if (packet.empty()) return rows;
  TUnpack unpack(false);
  unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& section = unpack.GetSection(0);
  rows.reserve(static_cast<size_t>(section.RowCount()));
  for (section.First(); !section.Eof() && section.RowCount() > 0; section.Next()) {
    KeyedRecord<Record> row;
    std::memset(&row.record, 0, sizeof row.record);
    fill(section, row);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string_view Text(const TUnpackSection& section, const char* column) { return section.FieldByNamex(column).Text(); }
int32_t Integer(const TUnpackSection& section, const char* column) {
  return section.FieldByNamex(column).AsIntegerDef(0);
}
double Float(const TUnpackSection& section, const char* column) { return section.FieldByNamex(column).AsFloatDef(0); }

// The sign-on's caller sets "l_operator_no" beside "l_org_id"; 0 before anyone signed on.
int32_t SignedOnOperator() { return StrToIntDef(platform::GetEnvironment("l_operator_no"), 0); }

}  // namespace

std::string MarketKey(std::string_view market_no) { return std::string(market_no) + '|'; }
std::string NumberKey(int32_t number) { return std::to_string(number) + '|'; }
std::string MenuRightKey(std::string_view operator_no, std::string_view menu_code) {
  return std::string(operator_no) + '|' + std::string(menu_code) + '|';
}

std::vector<KeyedRecord<RMarketInfo>> ReadMarketRows(std::string packet) {
  return ReadRows<RMarketInfo>(packet, [](const TUnpackSection& s, KeyedRecord<RMarketInfo>& row) {
    RMarketInfo& r = row.record;
    CopyFixedText(r.market_no, Text(s, "c_market_no"));
    CopyFixedText(r.market_name, Text(s, "vc_market_name"));
    r.begin_time1 = Integer(s, "l_begin_time1");
    r.end_time1 = Integer(s, "l_end_time1");
    r.begin_time2 = Integer(s, "l_begin_time2");
    r.end_time2 = Integer(s, "l_end_time2");
    r.begin_time3 = Integer(s, "l_begin_time3");
    r.end_time3 = Integer(s, "l_end_time3");
    r.time_zone = Float(s, "en_time_zone");
    CopyFixedText(r.tradeday_type, Text(s, "vc_tradeday_type"));
    row.key = MarketKey(r.market_no);
  });
}

std::vector<KeyedRecord<RFundInfo>> ReadFundRows(std::string packet) {
  return ReadRows<RFundInfo>(packet, [](const TUnpackSection& s, KeyedRecord<RFundInfo>& row) {
    RFundInfo& r = row.record;
    r.fund_id = Integer(s, "l_fund_id");
    CopyFixedText(r.fund_code, Text(s, "vc_fund_code"));
    CopyFixedText(r.fund_name, Text(s, "vc_fund_name"));
    CopyFixedText(r.market_list, Text(s, "vc_market_list"));
    CopyFixedText(r.switch_mode, Text(s, "c_switch_mode"));
    r.switch_time = Integer(s, "l_switch_time");
    r.business_date = Integer(s, "l_business_date");
    row.key = NumberKey(r.fund_id);
  });
}

std::vector<KeyedRecord<ROperatorInfo>> ReadOperatorRows(std::string packet) {
  return ReadRows<ROperatorInfo>(packet, [](const TUnpackSection& s, KeyedRecord<ROperatorInfo>& row) {
    ROperatorInfo& r = row.record;
    r.operator_no = Integer(s, "l_operator_no");
    CopyFixedText(r.operator_name, Text(s, "vc_operator_name"));
    CopyFixedText(r.code_kind, Text(s, "c_code_kind"));
    r.dept_id = Integer(s, "l_dept_id");
    row.key = NumberKey(r.operator_no);
  });
}

std::vector<KeyedRecord<RSystemInfo>> ReadSystemRows(std::string packet) {
  return ReadRows<RSystemInfo>(packet, [](const TUnpackSection& s, KeyedRecord<RSystemInfo>& row) {
    RSystemInfo& r = row.record;
    r.init_date = Integer(s, "l_init_date");
    CopyFixedText(r.system_name, Text(s, "vc_system_name"));
    r.time_zone = Float(s, "en_time_zone");
    r.operator_no = SignedOnOperator();
    row.key.clear();  // one record: every row is the same key, the first counts
  });
}

std::vector<KeyedRecord<RSysParameter>> ReadParameterRows(std::string packet) {
  return ReadRows<RSysParameter>(packet, [](const TUnpackSection& s, KeyedRecord<RSysParameter>& row) {
    RSysParameter& r = row.record;
    r.found = 1;
    r.serial_no = Integer(s, "l_serial_no");
    CopyFixedText(r.name, Text(s, "vc_name"));
    CopyFixedText(r.value, Text(s, "vc_value"));
    row.key = NumberKey(r.serial_no);
  });
}

std::vector<KeyedRecord<RMenuRight>> ReadMenuRightRows(std::string packet) {
  return ReadRows<RMenuRight>(packet, [](const TUnpackSection& s, KeyedRecord<RMenuRight>& row) {
    RMenuRight& r = row.record;
    r.operator_no = Integer(s, "l_operator_no");
    CopyFixedText(r.menu_code, Text(s, "vc_menu_code"));
    row.key = MenuRightKey(std::to_string(r.operator_no), r.menu_code);
  });
}

std::vector<KeyedRecord<RTradeDay>> ReadTradeDayRows(std::string packet) {
  return ReadRows<RTradeDay>(packet, [](const TUnpackSection& s, KeyedRecord<RTradeDay>& row) {
    RTradeDay& r = row.record;
    CopyFixedText(r.tradeday_type, CalendarCode(Text(s, "vc_tradeday_type")));
    r.date = Integer(s, "l_date");
    r.kinds = Integer(s, "l_day_kind");
    row.key = std::string(r.tradeday_type) + '|' + std::to_string(r.date) + '|';
  });
}

}  // namespace ruzi
