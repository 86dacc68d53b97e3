// The filter evaluator's rules in one table, the reads it makes, and a filter text on a
// memory dataset.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "error_text.h"
#include "query/memory_data_set.h"
#include "query/qx_compare.h"
#include "query/qx_expr_parser.h"
#include "query/qx_filter_eval.h"
#include "vector_file.h"

namespace ruzi {
namespace {

const std::vector<TQxFieldInfo> kFields = {{"A", ftInteger}, {"B", ftInteger}, {"F", ftFloat},   {"S", ftString},
                                           {"T", ftString},  {"D", ftDateTime}, {"L", ftBoolean}};

// A row of named texts that counts how often each field is read.
class MapRow : public TQxRowReader {
 public:
  explicit MapRow(const std::string& pairs) {
    std::string rest = pairs == "-" ? "" : pairs;
    while (!rest.empty()) {
      const size_t bar = rest.find('|');
      const std::string pair = rest.substr(0, bar);
      rest = bar == std::string::npos ? "" : rest.substr(bar + 1);
      const size_t equals = pair.find('=');
      values_[pair.substr(0, equals)] = pair.substr(equals + 1);
    }
  }
  std::optional<std::string_view> FieldText(int index) const override {
    const std::string& name = kFields[static_cast<size_t>(index)].Name;
    ++reads[name];
    const auto found = values_.find(name);
    if (found == values_.end()) return std::nullopt;
    return std::string_view(found->second);
  }
  mutable std::map<std::string, int> reads;

 private:
  std::map<std::string, std::string> values_;
};

unsigned OptionsNamed(const std::string& name) {
  if (name == "ci") return foCaseInsensitive;
  if (name == "nopartial") return foNoPartialCompare;
  return 0;
}

TEST(QxFilter, EveryRuleMatchesTheTable) {
  testing::CheckAnswers("filter_rules.txt", {{"filter", [](const std::vector<std::string>& args) {
                                                const TQxExprParser parser(kFields, args[0], OptionsNamed(args[1]));
                                                return testing::Num(EvaluateFilter(parser, MapRow(args[2])));
                                              }}});
}

TEST(QxFilter, TheRightSideOfAndIsReadOnlyWhenTheLeftHolds) {
  const TQxExprParser parser(kFields, "A = 1 and B > 2", 0);
  const MapRow skipped("A=0|B=3");
  EXPECT_FALSE(EvaluateFilter(parser, skipped));
  EXPECT_EQ(skipped.reads["B"], 0);
  const MapRow read("A=1|B=3");
  EXPECT_TRUE(EvaluateFilter(parser, read));
  EXPECT_EQ(read.reads["B"], 1);
  const TQxExprParser either(kFields, "A = 1 or B > 2", 0);
  const MapRow first("A=1|B=0");
  EXPECT_TRUE(EvaluateFilter(either, first));
  EXPECT_EQ(first.reads["B"], 0);
}

TEST(QxFilter, DeepNestingIsRefusedNotOverflowed) {
  const std::string deep = testing::ErrorOf([] { TQxExprParser(kFields, std::string(5000, '(') + "A = 1", 0); });
  const std::string head = "过滤表达式第", tail = "个字符处有错：表达式嵌套太深";
  EXPECT_EQ(deep.substr(0, head.size()), head) << deep;
  ASSERT_GE(deep.size(), tail.size());
  EXPECT_EQ(deep.substr(deep.size() - tail.size()), tail) << deep;
  std::string chain = "A = 1";
  for (int i = 0; i < 3000; ++i) chain += " and A = 1";
  EXPECT_NE(testing::ErrorOf([&] { TQxExprParser(kFields, chain, 0); }), "(no error)");
  std::string fine = "A = 1";
  for (int i = 0; i < 100; ++i) fine += " and A = 1";
  EXPECT_TRUE(EvaluateFilter(TQxExprParser(kFields, fine, 0), MapRow("A=1")));
}

TEST(QxCompare, ResultsFollowTheChosenOrder) {
  TQxCompare compare;
  EXPECT_EQ(compare.qxDbStrComp("a", "b", 1, 1), -1);
  EXPECT_EQ(compare.qxDbStrComp("ab", "a", 2, 1), 1);
  EXPECT_EQ(compare.qxDbStrComp("\x81", "z", 1, 1), 1) << "bytes are unsigned";
  EXPECT_EQ(compare.qxDbStrComp("Ab", "aB", 2, 2, true), 0);
  // The trail byte of a double-byte character is never folded: "\x81a" and "\x81A" differ.
  EXPECT_NE(compare.qxDbStrComp("\x81\x61", "\x81\x41", 2, 2, true), 0);
  EXPECT_EQ(compare.qxDbIntegerComp("10", "9", 2, 1), 1);
  EXPECT_EQ(compare.qxDbFloatComp("0.1", "0.10000000000000001", 3, 19), 0) << "the same double";
  EXPECT_EQ(compare.qxDbFloatComp("", "0", 0, 1), 0) << "empty reads 0";
  EXPECT_EQ(compare.qxDbBooleanComp("true", "0", 4, 1), 1);
  compare.SetAscending(false);
  EXPECT_EQ(compare.qxDbIntegerComp("10", "9", 2, 1), -1);
  compare.ResetResult();
  EXPECT_EQ(compare.GreatResult, 1);
  EXPECT_EQ(compare.LessResult, -1);
  EXPECT_EQ(compare.TranIntToBoolean(7), "1");
  EXPECT_EQ(compare.TranIntToBoolean(0), "0");
  EXPECT_EQ(compare.TranStrToInt(" 42 ", 4), 42);
  testing::ExpectError([&] { compare.TranStrToFloat("1x", 2); }, "'1x' is not a valid floating point value");
  testing::ExpectError([&] { compare.TranBooleanToInt("yes", 3); }, "'yes' is not a valid boolean value");
}

class FilteredDataSet : public ::testing::Test {
 protected:
  void SetUp() override {
    data_set_.GetFieldDefs().Add("CODE", ftString, 6);
    data_set_.GetFieldDefs().Add("QTY", ftInteger);
    for (int i = 1; i <= 6; ++i) data_set_.AddRow({"60000" + std::to_string(i), std::to_string(i * 100)});
    data_set_.Open();
  }
  std::vector<std::string> Codes() {
    std::vector<std::string> codes;
    for (data_set_.First(); !data_set_.GetEof(); data_set_.Next()) codes.push_back(data_set_.Fields(0)->AsString());
    return codes;
  }
  MemoryDataSet data_set_;
};

TEST_F(FilteredDataSet, AFilterTextShowsOnlyMatchingRecords) {
  data_set_.SetFilterText("QTY > 200 and QTY <> 500");
  EXPECT_EQ(Codes().size(), 6u) << "not filtered yet";
  data_set_.SetFiltered(true);
  EXPECT_EQ(Codes(), (std::vector<std::string>{"600003", "600004", "600006"}));
  EXPECT_EQ(data_set_.GetRecordCount(), 3);
  data_set_.SetFilterText("CODE = '60000*' and QTY < 300");
  EXPECT_EQ(Codes(), (std::vector<std::string>{"600001", "600002"}));
  testing::ExpectError([&] { data_set_.SetFilterText("QTY >"); }, "过滤表达式第6个字符处有错：缺少操作数");
  EXPECT_EQ(data_set_.GetFilter(), "CODE = '60000*' and QTY < 300") << "a bad text leaves the filter";
}

TEST_F(FilteredDataSet, FindStepsUseTheFilterWithoutFiltering) {
  data_set_.SetFilterText("QTY >= 300 and QTY <= 400");
  ASSERT_TRUE(data_set_.FindFirst());
  EXPECT_EQ(data_set_.GetRecNo(), 3);
  ASSERT_TRUE(data_set_.FindNext());
  EXPECT_EQ(data_set_.GetRecNo(), 4);
  EXPECT_FALSE(data_set_.FindNext());
  EXPECT_EQ(data_set_.GetRecNo(), 4) << "a failed find keeps the cursor";
  ASSERT_TRUE(data_set_.FindLast());
  EXPECT_EQ(data_set_.GetRecNo(), 4);
  EXPECT_EQ(data_set_.GetRecordCount(), 6);
}

}  // namespace
}  // namespace ruzi
