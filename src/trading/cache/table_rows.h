#pragma once
// Records from the section packets of the table services. Columns are found by name, so a
// column the server leaves out reads as empty (0 for numbers); texts longer than their field
// are cut at a character boundary. The packet is outside input: a malformed one throws
// ruzi::Error with the section reader's message.
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/gbk.h"
#include "trading/cache/memtable.h"
#include "trading/cache/record_table.h"

namespace ruzi {

std::vector<KeyedRecord<RMarketInfo>> ReadMarketRows(std::string packet);
std::vector<KeyedRecord<RFundInfo>> ReadFundRows(std::string packet);
std::vector<KeyedRecord<ROperatorInfo>> ReadOperatorRows(std::string packet);
std::vector<KeyedRecord<RSystemInfo>> ReadSystemRows(std::string packet);
std::vector<KeyedRecord<RSysParameter>> ReadParameterRows(std::string packet);
std::vector<KeyedRecord<RMenuRight>> ReadMenuRightRows(std::string packet);
std::vector<KeyedRecord<RTradeDay>> ReadTradeDayRows(std::string packet);

// Keys as the rows above carry them.
std::string MarketKey(std::string_view market_no);
std::string NumberKey(int32_t number);
std::string MenuRightKey(std::string_view operator_no, std::string_view menu_code);

// Copies a GBK text into a fixed field, NUL-terminated, never splitting a character.
template <size_t N>
void CopyFixedText(char (&field)[N], std::string_view text) {
  size_t length = GbkSafeLength(text, N - 1);
  std::memcpy(field, text.data(), length);
  std::memset(field + length, 0, N - length);
}

}  // namespace ruzi
