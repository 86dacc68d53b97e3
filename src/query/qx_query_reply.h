#pragma once
// A page of a named query as the server's "qx_query" answers it (docs/middleware-protocol.md):
// the reply convention's code and message, the typed columns, the rows with nulls apart from
// empty texts, and where the next page starts. Decoding checks every count it relies on, so a
// damaged reply raises instead of filling a dataset with shifted cells.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query/field_type.h"
#include "query/memory_data_set.h"

namespace ruzi {

struct QxReplyField {
  std::string Name;
  TFieldType Type = ftString;
  int32_t Size = 0;
};

struct QxReplyPage {
  int32_t Code = 0;
  std::string Message;
  std::vector<QxReplyField> Fields;
  std::vector<PackedRow> Rows;
  bool More = false;
  int64_t NextRow = 0;
  int64_t Cursor = 0;  // the server keeps the next page under this number (0: none)
  int64_t RowsAffected = -1;  // a statement without rows: the rows it changed
};

// Raises Error "命名查询应答有误：" + what is wrong for a reply that does not hold together.
QxReplyPage DecodeQueryReply(std::string_view reply);

}  // namespace ruzi
