// Field values through a one-record memory dataset: what each type stores and reads back, and
// the framework's refusals.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "error_text.h"
#include "query/data_link.h"
#include "query/data_source.h"
#include "query/memory_data_set.h"
#include "query/qx_data_routines.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TFieldType TypeNamed(const std::string& name) {
  for (int type = ftUnknown; type <= ftLargeint; ++type) {
    if (name == FieldTypeName(static_cast<TFieldType>(type))) return static_cast<TFieldType>(type);
  }
  ADD_FAILURE() << "no field type " << name;
  return ftUnknown;
}

// The text written to field 0 of a one-record dataset of that type (in edit mode), read back
// by `read`.
std::string WrittenThenRead(const std::vector<std::string>& args, std::string (*read)(DataField&)) {
  MemoryDataSet data_set;
  data_set.GetFieldDefs().Add("F", TypeNamed(args[0]), std::stoi(args[1]));
  data_set.AddRow({std::nullopt});
  data_set.Open();
  data_set.Edit();
  data_set.Fields(0)->SetAsString(args[2]);
  return read(*data_set.Fields(0));
}

TEST(DataField, TextsOfEveryTypeMatchTheKnownAnswers) {
  const std::pair<const char*, std::string (*)(DataField&)> reads[] = {
      {"set", [](DataField& field) { return field.IsNull() ? std::string("null") : field.AsString(); }},
      {"float", [](DataField& field) { return testing::Num(field.AsFloat()); }},
      {"int", [](DataField& field) { return std::to_string(field.AsInteger()); }},
      {"bool", [](DataField& field) { return testing::Num(field.AsBoolean()); }}};
  std::map<std::string, testing::Answer> answers;
  for (const auto& [name, read] : reads) {
    answers[name] = [read](const std::vector<std::string>& args) { return WrittenThenRead(args, read); };
  }
  testing::CheckAnswers("data_field_texts.txt", answers);
}

class DataSetRefusals : public ::testing::Test {
 protected:
  void SetUp() override {
    data_set_.GetFieldDefs().Add("CODE", ftString, 6, /*required=*/true);
    data_set_.GetFieldDefs().Add("QTY", ftInteger);
    data_set_.AddRow({std::string("600000"), std::string("100")});
  }
  MemoryDataSet data_set_;
};

TEST_F(DataSetRefusals, NameTheFaultInTheFrameworksWords) {
  testing::ExpectError([&] { data_set_.First(); }, "Cannot perform this operation on a closed dataset");
  data_set_.Open();
  testing::ExpectError([&] { data_set_.FieldByName("PRICE"); }, "Field 'PRICE' not found");
  testing::ExpectError([&] { data_set_.Fields(0)->SetAsString("x"); }, "Dataset not in edit or insert mode");
  testing::ExpectError([&] { data_set_.Post(); }, "Dataset not in edit or insert mode");
  data_set_.Append();
  testing::ExpectError([&] { data_set_.Post(); }, "Field 'CODE' must have a value");
  data_set_.Cancel();
  data_set_.Fields(1)->SetReadOnly(true);
  data_set_.Edit();
  testing::ExpectError([&] { data_set_.Fields(1)->SetAsInteger(5); }, "Field 'QTY' cannot be modified");
  data_set_.Cancel();
  data_set_.Delete();
  testing::ExpectError([&] { data_set_.Delete(); }, "Cannot perform this operation on an empty dataset");
  testing::ExpectError([&] { data_set_.GotoBookmark(GetBookStr(1, 1)); }, "Record not found");
}

// Links hear nothing while controls are disabled or a block read runs, then one change.
class CountingLink : public DataLink {
 public:
  int changes = 0, scrolls = 0;

 protected:
  void DataSetChanged() override { ++changes; }
  void DataSetScrolled(int) override { ++scrolls; }
};

TEST_F(DataSetRefusals, SilencedLinksHearOneChangeAfterwards) {
  for (int i = 0; i < 5; ++i) data_set_.AddRow({std::to_string(i), std::to_string(i)});
  DataSource source;
  source.SetDataSet(&data_set_);
  CountingLink link;
  link.SetBufferCount(2);
  link.SetDataSource(&source);
  data_set_.Open();
  link.changes = link.scrolls = 0;
  data_set_.SetBlockReadSize(10);
  for (int i = 0; i < 4; ++i) data_set_.Next();
  EXPECT_EQ(link.changes + link.scrolls, 0);
  data_set_.SetBlockReadSize(0);
  EXPECT_EQ(link.changes, 1);
  data_set_.DisableControls();
  data_set_.First();
  data_set_.DisableControls();
  data_set_.Next();
  data_set_.EnableControls();
  EXPECT_EQ(link.changes, 1) << "still disabled once";
  data_set_.EnableControls();
  EXPECT_EQ(link.changes, 2);
  EXPECT_EQ(link.RecordCount(), 2);
  EXPECT_EQ(link.ActiveRecord(), 1);
}

TEST(QxDataRoutines, BookmarksAndSeparatorPositions) {
  const std::string mark = GetBookStr(0x01020304, -2);
  EXPECT_EQ(mark, std::string("\x04\x03\x02\x01\0\0\0\0\0\0\xFE\xFF\xFF\xFF\0\0\0\0\0\0", 20));
  EXPECT_EQ(BookStrRecNo(mark), 0x01020304);
  EXPECT_EQ(BookStrSeqNo(mark), -2);
  EXPECT_EQ(BookStrSeqNo(mark.substr(0, 19)), 0);
  EXPECT_EQ(GetDataPos(";", "a;b;c"), 2);
  EXPECT_EQ(GetDataPos(";", "abc"), 0);
  EXPECT_EQ(GetDataPos(";;", "a;b;;c"), 4);
  Variant bytes;
  BufferToByteArray("a\0b", 3, bytes);
  EXPECT_EQ(bytes.Kind(), VariantKind::Bytes);
  EXPECT_EQ(bytes.AsString(), std::string("a\0b", 3));
  BufferToByteArray("abc", 0, bytes);
  EXPECT_EQ(bytes.AsString(), "");
}

}  // namespace
}  // namespace ruzi
