#include "query/qx_query_reply.h"

#include "foundation/error.h"
#include "foundation/string_to_number.h"
#include "packets/tagged_package.h"
#include "packets/unpack.h"
#include "platform/ascii_case.h"

namespace ruzi {
namespace {

[[noreturn]] void Bad(const std::string& what) { throw Error("命名查询应答有误：" + what); }

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  if (text.empty()) return parts;
  for (;;) {
    const size_t at = text.find(separator);
    parts.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return parts;
    text.remove_prefix(at + 1);
  }
}

QxReplyField FieldOf(std::string_view text) {
  const std::vector<std::string_view> parts = Split(text, ',');
  if (parts.size() != 3 || parts[0].empty()) Bad("字段说明“" + std::string(text) + "”");
  const auto type = TryStrToInt(parts[1]);
  const auto size = TryStrToInt(parts[2]);
  if (!type || *type < ftString || *type > ftLargeint || !size || *size < 0) Bad("字段说明“" + std::string(text) + "”");
  return QxReplyField{std::string(parts[0]), static_cast<TFieldType>(*type), *size};
}

}  // namespace

QxReplyPage DecodeQueryReply(std::string_view reply) {
  const TqxPackage package{std::string(reply)};
  QxReplyPage page;
  if (!package.GetItem("ErrCode", page.Code)) Bad("缺少ErrCode");
  package.GetItem("ErrMsg", page.Message);
  if (page.Code != 0) return page;
  if (package.GetItem("l_rows_affected", page.RowsAffected)) return page;

  std::string fields, nulls, data;
  int64_t count = 0, more = 0;
  if (!package.GetItem("vc_fields", fields) || !package.GetItem("vc_data", data) ||
      !package.GetItem("l_count", count) || !package.GetItem("l_next_row", page.NextRow)) {
    Bad("缺少数据项");
  }
  package.GetItem("vc_nulls", nulls);
  package.GetItem("l_more", more);
  page.More = more != 0;
  for (std::string_view field : Split(fields, ';')) {
    QxReplyField next = FieldOf(field);
    for (const QxReplyField& seen : page.Fields) {
      if (AsciiEqualIgnoreCase(seen.Name, next.Name)) Bad("字段名重复“" + next.Name + "”");
    }
    page.Fields.push_back(std::move(next));
  }
  if (page.Fields.empty()) Bad("没有字段");

  TUnpack unpack(true);
  unpack.Open(data.data(), static_cast<int32_t>(data.size()));
  if (unpack.SectionCount() < 1) Bad("数据包没有数据段");
  TUnpackSection& section = unpack.GetSection(0);
  const auto columns = static_cast<size_t>(section.ColCount());
  if (columns != page.Fields.size() || section.RowCount() != count || count < 0) Bad("数据包与字段说明不符");
  const std::vector<std::string_view> flags = Split(nulls, ',');
  if (flags.size() != static_cast<size_t>(count)) Bad("空值标记与行数不符");
  const std::vector<TField>& items = section.Items();
  if (items.size() != columns * (static_cast<size_t>(count) + 1)) Bad("数据包与字段说明不符");
  for (size_t row = 0; row < static_cast<size_t>(count); ++row) {
    if (flags[row].size() != columns) Bad("空值标记与字段数不符");
    MemoryDataSet::Row cells(columns);
    for (size_t column = 0; column < columns; ++column) {
      if (flags[row][column] == '1') continue;
      if (flags[row][column] != '0') Bad("空值标记");
      cells[column] = items[columns * (row + 1) + column].GetAsString();
    }
    page.Rows.push_back(std::move(cells));
  }
  return page;
}

}  // namespace ruzi
