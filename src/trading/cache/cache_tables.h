#pragma once
// The tables the cache holds: the name a refresh notice uses, the server service that returns
// the table as a section packet, and the key columns in order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi {

enum class CacheTable { Markets, Funds, Operators, System, Parameters, MenuRights, TradeDays };
inline constexpr int kCacheTableCount = 7;

struct CacheTableInfo {
  CacheTable table;
  const char* name;     // "tmarketinfo"
  const char* service;  // "svc_mem_marketinfo"
  std::vector<const char*> key_columns;
};

const CacheTableInfo& TableInfo(CacheTable table);
// By name, ASCII case ignored; nullptr for a table the cache does not hold.
const CacheTableInfo* FindCacheTable(std::string_view name);

// A refresh notice: "table", or "table|key|key|" naming the leading key values.
struct RefreshTarget {
  std::string table;
  std::vector<std::string> keys;  // empty: the whole table
};
RefreshTarget ParseRefreshTarget(std::string_view target_text);
// "v1|v2|": the key text records are indexed by.
std::string KeyText(const std::vector<std::string>& values);

// Request and reply of the table services (tagged texts): the request names the key values
// in "vc_key_word" ("12|"); the reply carries ErrCode, ErrMsg, "l_count" and the packet in
// "vc_data".
std::string TableRequestText(const std::vector<std::string>& keys);
// True with the packet; false with the reason (ErrMsg of a failure, or a malformed reply).
bool TablePacketOfReply(std::string_view reply, std::string* packet, std::string* error);

}  // namespace ruzi
