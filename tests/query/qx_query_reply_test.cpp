// Named-query reply pages: a good page gives typed fields and cells with nulls apart from empty
// texts; every damaged reply raises with what is wrong instead of shifting cells.
#include <gtest/gtest.h>

#include "error_text.h"
#include "query/qx_query_reply.h"
#include "section_packet.h"

namespace ruzi {
namespace {

using testing::SectionPacket;

struct Items {
  std::string code = "0", count = "2", more = "1", next = "12", fields = "l_id,3,4;vc_name,1,6";
  std::string nulls = "00,01", data = SectionPacket({"l_id", "vc_name"}, {{"7", "abc"}, {"8", ""}});
  std::string Text() const {
    return "<ErrCode>" + code + "</ErrCode><ErrMsg></ErrMsg><l_count>" + count + "</l_count><l_more>" + more +
           "</l_more><l_next_row>" + next + "</l_next_row><vc_fields>" + fields + "</vc_fields><vc_nulls>" + nulls +
           "</vc_nulls><vc_data>" + data + "</vc_data>";
  }
};

MemoryDataSet::Row CellsOf(const PackedRow& row) {
  MemoryDataSet::Row cells;
  row.Unpack(cells, row.Count());
  return cells;
}

TEST(QxQueryReply, AGoodPageGivesTypedFieldsAndNullsApartFromEmptyTexts) {
  const QxReplyPage page = DecodeQueryReply(Items().Text());
  ASSERT_EQ(page.Fields.size(), 2u);
  EXPECT_EQ(page.Fields[0].Name, "l_id");
  EXPECT_EQ(page.Fields[0].Type, ftInteger);
  EXPECT_EQ(page.Fields[1].Type, ftString);
  EXPECT_EQ(page.Fields[1].Size, 6);
  ASSERT_EQ(page.Rows.size(), 2u);
  EXPECT_EQ(CellsOf(page.Rows[0]), (MemoryDataSet::Row{"7", "abc"}));
  EXPECT_EQ(CellsOf(page.Rows[1]), (MemoryDataSet::Row{"8", std::nullopt}));
  EXPECT_TRUE(page.More);
  EXPECT_EQ(page.NextRow, 12);
  Items empty_text;
  empty_text.nulls = "00,00";
  EXPECT_EQ(DecodeQueryReply(empty_text.Text()).Rows[1].CellAt(1), std::optional<std::string_view>(""));
}

TEST(QxQueryReply, FailuresAndStatementsWithoutRowsComeBackAsTheyAre) {
  const QxReplyPage failed = DecodeQueryReply("<ErrCode>1</ErrCode><ErrMsg>命名查询[x]不存在</ErrMsg>");
  EXPECT_EQ(failed.Code, 1);
  EXPECT_EQ(failed.Message, "命名查询[x]不存在");
  const QxReplyPage changed = DecodeQueryReply("<ErrCode>0</ErrCode><ErrMsg></ErrMsg><l_rows_affected>3</l_rows_affected>");
  EXPECT_EQ(changed.RowsAffected, 3);
  EXPECT_TRUE(changed.Fields.empty());
}

TEST(QxQueryReply, EveryDamagedReplyRaisesWithWhatIsWrong) {
  const std::string head = "命名查询应答有误：";
  const struct {
    const char* what;
    void (*damage)(Items&);
    const char* message;
  } cases[] = {
      {"no code", [](Items& i) { i.code = "x"; }, "缺少ErrCode"},
      {"count off by one", [](Items& i) { i.count = "3"; }, "数据包与字段说明不符"},
      {"a field too many", [](Items& i) { i.fields += ";x,1,1"; }, "数据包与字段说明不符"},
      {"a bad type", [](Items& i) { i.fields = "l_id,99,4;vc_name,1,6"; }, "字段说明“l_id,99,4”"},
      {"a size missing", [](Items& i) { i.fields = "l_id,3;vc_name,1,6"; }, "字段说明“l_id,3”"},
      {"a name twice", [](Items& i) { i.fields = "l_id,3,4;L_ID,1,6"; }, "字段名重复“L_ID”"},
      {"no fields", [](Items& i) { i.fields = ""; }, "没有字段"},
      {"a row's flags missing", [](Items& i) { i.nulls = "00"; }, "空值标记与行数不符"},
      {"flags too short", [](Items& i) { i.nulls = "00,1"; }, "空值标记与字段数不符"},
      {"a bad flag", [](Items& i) { i.nulls = "00,0x"; }, "空值标记"},
      {"no packet", [](Items& i) { i.data = ""; }, "数据包没有数据段"},
  };
  for (const auto& c : cases) {
    Items items;
    c.damage(items);
    EXPECT_EQ(testing::ErrorOf([&] { DecodeQueryReply(items.Text()); }), head + c.message) << c.what;
  }
}

}  // namespace
}  // namespace ruzi
