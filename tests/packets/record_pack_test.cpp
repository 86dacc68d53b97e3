#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "packets/record_pack.h"
#include "packets/record_pack_text.h"

namespace ruzi {
namespace {

RecordTable RandomTable(std::mt19937& random) {
  RecordTable table;
  const int fields = 1 + static_cast<int>(random() % 5);
  for (int f = 0; f < fields; ++f) {
    std::string name = "字段" + std::to_string(f);
    if (random() % 3 == 0) name += "\t\\";
    table.fields.push_back(name);
  }
  for (int r = static_cast<int>(random() % 6); r > 0; --r) {
    std::vector<std::string> row;
    for (int f = 0; f < fields; ++f) {
      std::string cell;
      for (int n = static_cast<int>(random() % 8); n > 0; --n) cell += static_cast<char>(random() % 256);
      row.push_back(cell);
    }
    table.rows.push_back(row);
  }
  return table;
}

TEST(RecordPackText, AnyTableSurvivesWriteThenParse) {
  std::mt19937 random(42);
  for (int trial = 0; trial < 2000; ++trial) {
    RecordTable table = RandomTable(random);
    std::string text = WriteRecordPackText(table);
    auto parsed = ParseRecordPackText(text);
    ASSERT_TRUE(parsed.has_value()) << trial;
    EXPECT_EQ(parsed->fields, table.fields);
    EXPECT_EQ(parsed->rows, table.rows);
  }
}

TEST(RecordPackText, EmptyCellsAndEmptyRowsAreKept) {
  RecordTable table{{"only"}, {{""}, {""}}};
  EXPECT_EQ(WriteRecordPackText(table), "only\n\n\n");
  auto parsed = ParseRecordPackText("only\n\n\n");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->rows.size(), 2u);
  // The last line's LF may be missing.
  parsed = ParseRecordPackText("a\tb\n1\t2");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->rows, (std::vector<std::vector<std::string>>{{"1", "2"}}));
  EXPECT_EQ(ParseRecordPackText("")->fields.size(), 0u);
}

TEST(RecordPackText, MalformedTextNamesTheLine) {
  RecordPackTextError error;
  EXPECT_FALSE(ParseRecordPackText("a\tb\n1\t2\n3\n", &error));
  EXPECT_EQ(error.line, 3u);
  EXPECT_EQ(error.reason, "row has 1 cells, expected 2");
  EXPECT_FALSE(ParseRecordPackText("a\n\\x\n", &error));
  EXPECT_EQ(error.line, 2u);
  EXPECT_FALSE(ParseRecordPackText("a\nend\\", &error));
  EXPECT_EQ(error.reason, "backslash at end of line");
  EXPECT_FALSE(ParseRecordPackText("a\t\tb\n", &error));
  EXPECT_EQ(error.reason, "empty field name");
  EXPECT_FALSE(ParseRecordPackText("\n1\n", &error));
  EXPECT_EQ(error.line, 1u);
}

TEST(RecordPack, CursorFollowsRowsAsTheyChange) {
  RecordPack pack;
  ASSERT_EQ(pack.Parse("n\n1\n2\n3\n4\n"), RecordPack::kOk);
  EXPECT_EQ(pack.RecNo(), 1);
  ASSERT_EQ(pack.SetRecNo(3), RecordPack::kOk);
  EXPECT_EQ(pack.DeleteRowAt(1), RecordPack::kOk);  // a row before the cursor goes
  const std::string* cell = nullptr;
  ASSERT_EQ(pack.GetText(0, &cell), RecordPack::kOk);
  EXPECT_EQ(*cell, "3");  // still on the same row
  EXPECT_EQ(pack.DeleteRow(), RecordPack::kOk);  // the current row goes: the next takes its place
  ASSERT_EQ(pack.GetText(0, &cell), RecordPack::kOk);
  EXPECT_EQ(*cell, "4");
  EXPECT_EQ(pack.DeleteRow(), RecordPack::kOk);
  EXPECT_TRUE(pack.Eof());  // the last row went: past the end
  EXPECT_EQ(pack.SetRecNo(0), RecordPack::kNoRow);
  EXPECT_EQ(pack.SetRecNo(2), RecordPack::kNoRow);
  EXPECT_EQ(pack.InsertRow(), RecordPack::kOk);
  EXPECT_EQ(pack.RecordCount(), 2);
}

TEST(RecordPack, NumbersReadStrictly) {
  RecordPack pack;
  ASSERT_EQ(pack.Parse("v\n42\n-7\n+3\n1.5e3\n12x\n\n99999999999\n"), RecordPack::kOk);
  // Per row: GetInt32's answer and value, GetInt64's answer and value.
  const struct { int32_t int32_result, int32; int32_t int64_result; int64_t int64; } rows[] = {
      {RecordPack::kOk, 42, RecordPack::kOk, 42},
      {RecordPack::kOk, -7, RecordPack::kOk, -7},
      {RecordPack::kOk, 3, RecordPack::kOk, 3},
      {RecordPack::kBadNumber, 0, RecordPack::kBadNumber, 0},
      {RecordPack::kBadNumber, 0, RecordPack::kBadNumber, 0},
      {RecordPack::kBadNumber, 0, RecordPack::kBadNumber, 0},
      {RecordPack::kBadNumber, 0, RecordPack::kOk, 99999999999},  // out of 32-bit range
  };
  for (const auto& row : rows) {
    int32_t i = 0;
    int64_t l = 0;
    EXPECT_EQ(pack.GetInt32(0, &i), row.int32_result) << pack.RecNo();
    EXPECT_EQ(pack.GetInt64(0, &l), row.int64_result) << pack.RecNo();
    EXPECT_EQ(i, row.int32_result == RecordPack::kOk ? row.int32 : i);
    EXPECT_EQ(l, row.int64_result == RecordPack::kOk ? row.int64 : l);
    pack.Next();
  }
  double d = 0;
  ASSERT_EQ(pack.SetRecNo(4), RecordPack::kOk);
  EXPECT_EQ(pack.GetDouble(0, &d), RecordPack::kOk);
  EXPECT_DOUBLE_EQ(d, 1500);
  int32_t i = 0;
  EXPECT_EQ(pack.GetInt32(1, &i), RecordPack::kBadField);
}

TEST(RecordPack, DoublesSurviveTheText) {
  RecordPack pack;
  ASSERT_EQ(pack.AddField("d"), RecordPack::kOk);
  EXPECT_EQ(pack.AddField("d"), RecordPack::kDuplicateField);
  std::mt19937_64 random(3);
  std::vector<double> values;
  for (int i = 0; i < 1000; ++i) {
    values.push_back(
        std::ldexp(static_cast<double>(random() % 1000000007) - 5e8, static_cast<int>(random() % 80) - 40));
    ASSERT_EQ(pack.AppendRow(), RecordPack::kOk);
    ASSERT_EQ(pack.SetDouble(0, values.back()), RecordPack::kOk);
  }
  RecordPack copy;
  ASSERT_EQ(copy.Parse(pack.Text()), RecordPack::kOk);
  for (double value : values) {
    double back = 0;
    ASSERT_EQ(copy.GetDouble(0, &back), RecordPack::kOk);
    ASSERT_EQ(back, value);
    copy.Next();
  }
  EXPECT_TRUE(copy.Eof());
}

}  // namespace
}  // namespace ruzi
