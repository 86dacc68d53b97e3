#include "trading/cache/cache_tables.h"

#include "platform/ascii_case.h"
#include "packets/tagged_package.h"

namespace ruzi {
namespace {

const std::vector<CacheTableInfo>& Tables() {
  static const std::vector<CacheTableInfo> tables = {
      {CacheTable::Markets, "tmarketinfo", "svc_mem_marketinfo", {"c_market_no"}},
      {CacheTable::Funds, "tfundinfo", "svc_mem_fundinfo", {"l_fund_id"}},
      {CacheTable::Operators, "toperator", "svc_mem_operator", {"l_operator_no"}},
      {CacheTable::System, "tsysteminfo", "svc_mem_systeminfo", {}},
      {CacheTable::Parameters, "tsysparameter", "svc_mem_sysparameter", {"l_serial_no"}},
      {CacheTable::MenuRights, "topmenurights", "svc_mem_menuright", {"l_operator_no", "vc_menu_code"}},
      {CacheTable::TradeDays, "tmarkettradeday", "svc_mem_tradeday", {"vc_tradeday_type", "l_date"}},
  };
  return tables;
}

}  // namespace

const CacheTableInfo& TableInfo(CacheTable table) { return Tables()[static_cast<size_t>(table)]; }

const CacheTableInfo* FindCacheTable(std::string_view name) {
  for (const CacheTableInfo& info : Tables()) {
    if (AsciiEqualIgnoreCase(name, info.name)) return &info;
  }
  return nullptr;
}

RefreshTarget ParseRefreshTarget(std::string_view target_text) {
  RefreshTarget parsed;
  size_t bar = target_text.find('|');
  parsed.table = std::string(target_text.substr(0, bar));
  while (bar != std::string_view::npos) {
    size_t next = target_text.find('|', bar + 1);
    std::string_view value = target_text.substr(bar + 1, next == std::string_view::npos ? next : next - bar - 1);
    if (next == std::string_view::npos && value.empty()) break;  // the trailing "|"
    parsed.keys.emplace_back(value);
    bar = next;
  }
  // An empty first key value means the whole table, as the notices send it.
  if (!parsed.keys.empty() && parsed.keys.front().empty()) parsed.keys.clear();
  return parsed;
}

std::string KeyText(const std::vector<std::string>& values) {
  std::string text;
  for (const std::string& value : values) {
    text += value;
    text += '|';
  }
  return text;
}

std::string TableRequestText(const std::vector<std::string>& keys) {
  TqxPackage request;
  request.Add("vc_key_word", KeyText(keys));
  return request.GetText();
}

bool TablePacketOfReply(std::string_view reply, std::string* packet, std::string* error) {
  TqxPackage package(reply);
  int32_t code = 0;
  if (!package.GetItem("ErrCode", code)) {
    *error = "应答中没有ErrCode";
    return false;
  }
  if (code != 0) {
    std::string message;
    package.GetItem("ErrMsg", message);
    *error = message.empty() ? "ErrCode " + std::to_string(code) : message;
    return false;
  }
  if (!package.GetItem("vc_data", *packet)) {
    *error = "应答中没有vc_data";
    return false;
  }
  return true;
}

}  // namespace ruzi
