#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "packets/record_pack.h"
#include "packets/record_pack_text.h"
#include "vector_file.h"

namespace ruzi {
namespace {

RecordTable RandomTable(std::mt19937& random) {
  RecordTable table;
  const int fields = 1 + static_cast<int>(random() % 5);
  for (int f = 0; f < fields; ++f) table.fields.push_back("字段" + std::to_string(f) + (random() % 3 == 0 ? "\t\\" : ""));
  for (int r = static_cast<int>(random() % 6); r > 0; --r) {
    std::vector<std::string> row(static_cast<size_t>(fields));
    for (std::string& cell : row)
      for (int n = static_cast<int>(random() % 8); n > 0; --n) cell += static_cast<char>(random() % 256);
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

// A parsed text as "fields/row/row" (cells apart by ","), or the line and reason it fails at.
std::string Parsed(const std::string& text) {
  RecordPackTextError error;
  const std::optional<RecordTable> table = ParseRecordPackText(text, &error);
  if (!table) return "line " + std::to_string(error.line) + ": " + error.reason;
  auto joined = [](const std::vector<std::string>& cells) {
    std::string line;
    for (const std::string& cell : cells) line += (&cell == cells.data() ? "" : ",") + cell;
    return line;
  };
  std::string shown = joined(table->fields);
  for (const auto& row : table->rows) shown += "/" + joined(row);
  return shown;
}

// One cell read as a 32-bit and a 64-bit integer and as a double: each answer, and the value
// where it is kOk.
std::string Numbers(const std::string& cell) {
  RecordPack pack;
  if (pack.Parse("v\n" + cell + "\n") != RecordPack::kOk) return "unparsed";
  int32_t i = 0;
  int64_t l = 0;
  double d = 0;
  const int r32 = pack.GetInt32(0, &i), r64 = pack.GetInt64(0, &l), rd = pack.GetDouble(0, &d);
  return std::to_string(r32) + (r32 ? "" : ":" + std::to_string(i)) + " " + std::to_string(r64) +
         (r64 ? "" : ":" + std::to_string(l)) + " " + std::to_string(rd) + (rd ? "" : ":" + testing::Num(d)) + " " +
         std::to_string(pack.GetInt32(1, &i));
}

TEST(RecordPackText, KnownAnswers) {
  EXPECT_EQ(WriteRecordPackText(RecordTable{{"only"}, {{""}, {""}}}), "only\n\n\n");
  testing::CheckAnswers("pack_record_text.txt", {{"Parse", [](auto& a) { return Parsed(a[0]); }},
                                                 {"Numbers", [](auto& a) { return Numbers(a[0]); }}});
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
