#include "query/qx_query_reply.h"

#include <limits>
#include <memory>

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

// The reply's items as views into it, split as the client splits tagged texts: a page is
// megabytes, and copying it item by item would cost more than reading it.
class ReplyItems {
 public:
  explicit ReplyItems(std::string_view reply) {
    while (!reply.empty()) {
      const TaggedItemView item = SplitFirstTaggedItem(reply);
      if (item.name.empty() || item.rest.size() >= reply.size()) break;
      items_.emplace_back(item.name, item.value);
      reply = item.rest;
    }
  }
  std::optional<std::string_view> Text(std::string_view name) const {
    for (const auto& item : items_) {
      if (item.first == name) return item.second;
    }
    return std::nullopt;
  }
  template <typename Integer>
  bool Number(std::string_view name, Integer& value) const {
    const auto text = Text(name);
    const auto number = text ? TryStrToInt64(*text) : std::nullopt;
    if (!number || *number < std::numeric_limits<Integer>::min() || *number > std::numeric_limits<Integer>::max()) {
      return false;
    }
    value = static_cast<Integer>(*number);
    return true;
  }

 private:
  std::vector<std::pair<std::string_view, std::string_view>> items_;
};

}  // namespace

QxReplyPage DecodeQueryReply(std::string_view reply) {
  const ReplyItems items(reply);
  QxReplyPage page;
  if (!items.Number("ErrCode", page.Code)) Bad("缺少ErrCode");
  page.Message = std::string(items.Text("ErrMsg").value_or(""));
  if (page.Code != 0) return page;
  if (items.Number("l_rows_affected", page.RowsAffected)) return page;

  const auto fields = items.Text("vc_fields");
  const auto packet = items.Text("vc_data");
  int64_t count = 0, more = 0;
  if (!fields || !packet || !items.Number("l_count", count) || !items.Number("l_next_row", page.NextRow)) {
    Bad("缺少数据项");
  }
  const std::string_view nulls = items.Text("vc_nulls").value_or("");
  items.Number("l_more", more);
  items.Number("l_cursor", page.Cursor);
  page.More = more != 0;
  for (std::string_view field : Split(*fields, ';')) {
    QxReplyField next = FieldOf(field);
    for (const QxReplyField& seen : page.Fields) {
      if (AsciiEqualIgnoreCase(seen.Name, next.Name)) Bad("字段名重复“" + next.Name + "”");
    }
    page.Fields.push_back(std::move(next));
  }
  if (page.Fields.empty()) Bad("没有字段");

  // The unpacker reads (and changes) a copy of our own.
  std::string data(*packet);
  if (data.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) Bad("数据包太大");
  TUnpack unpack(false);
  unpack.Open(data.data(), static_cast<int32_t>(data.size()));
  if (unpack.SectionCount() < 1) Bad("数据包没有数据段");
  TUnpackSection& section = unpack.GetSection(0);
  const auto columns = static_cast<size_t>(section.ColCount());
  if (columns != page.Fields.size() || section.RowCount() != count || count < 0) Bad("数据包与字段说明不符");
  const std::vector<std::string_view> flags = Split(nulls, ',');
  if (flags.size() != static_cast<size_t>(count)) Bad("空值标记与行数不符");
  const std::vector<TField>& cells = section.Items();
  if (cells.size() != columns * (static_cast<size_t>(count) + 1)) Bad("数据包与字段说明不符");
  page.Rows.reserve(static_cast<size_t>(count));
  std::vector<std::string_view> row_cells(columns);
  std::unique_ptr<bool[]> row_nulls(new bool[columns]);
  for (size_t row = 0; row < static_cast<size_t>(count); ++row) {
    if (flags[row].size() != columns) Bad("空值标记与字段数不符");
    for (size_t column = 0; column < columns; ++column) {
      const char flag = flags[row][column];
      if (flag != '0' && flag != '1') Bad("空值标记");
      row_nulls[column] = flag == '1';
      row_cells[column] = row_nulls[column] ? std::string_view() : std::string_view(cells[columns * (row + 1) + column].Text());
    }
    page.Rows.emplace_back(row_cells.data(), row_nulls.get(), columns);
  }
  return page;
}

}  // namespace ruzi
