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

// Compares of whole texts in the chosen order ("asc", "desc", "ci": ascending ignoring case),
// conversions, and the results put back to ascending.
TEST(QxCompare, KnownAnswers) {
  const auto compare = [](auto& a) {
    TQxCompare compare;
    compare.SetAscending(a[1] != "desc");
    const char *x = a[2].c_str(), *y = a[3].c_str();
    const int lx = static_cast<int>(a[2].size()), ly = static_cast<int>(a[3].size());
    const int32_t result = a[0] == "Str"   ? compare.qxDbStrComp(x, y, lx, ly, a[1] == "ci")
                           : a[0] == "Int" ? compare.qxDbIntegerComp(x, y, lx, ly)
                           : a[0] == "Float" ? compare.qxDbFloatComp(x, y, lx, ly)
                                             : compare.qxDbBooleanComp(x, y, lx, ly);
    compare.ResetResult();
    return std::to_string(result) + "|" + std::to_string(compare.GreatResult) + std::to_string(compare.LessResult);
  };
  const TQxCompare plain;
  const auto length = [](auto& a) { return static_cast<int>(a[0].size()); };
  testing::CheckAnswers("qry_compare.txt", {
      {"Compare", compare},
      {"IntToBoolean", [&](auto& a) { return plain.TranIntToBoolean(std::stoi(a[0])); }},
      {"StrToInt", [&](auto& a) { return std::to_string(plain.TranStrToInt(a[0].c_str(), length(a))); }},
      {"StrToFloat", [&](auto& a) { return testing::Num(plain.TranStrToFloat(a[0].c_str(), length(a))); }},
      {"BooleanToInt", [&](auto& a) { return std::to_string(plain.TranBooleanToInt(a[0].c_str(), length(a))); }},
  });
}

// A filter text on a memory dataset shows only its records once filtered, a bad text leaves the
// filter as it was, and the find steps use the text without filtering.
TEST(FilteredDataSet, ShowsOnlyMatchingRecordsAndFindsStepThroughThemUnfiltered) {
  MemoryDataSet data_set;
  data_set.GetFieldDefs().Add("CODE", ftString, 6);
  data_set.GetFieldDefs().Add("QTY", ftInteger);
  for (int i = 1; i <= 6; ++i) data_set.AddRow({"60000" + std::to_string(i), std::to_string(i * 100)});
  data_set.Open();
  const auto codes = [&] {
    std::string codes;
    for (data_set.First(); !data_set.GetEof(); data_set.Next()) codes += data_set.Fields(0)->AsString().substr(5);
    return codes + "/" + std::to_string(data_set.GetRecordCount());
  };
  data_set.SetFilterText("QTY >= 300 and QTY <= 400");
  ASSERT_TRUE(data_set.FindFirst());
  EXPECT_EQ(data_set.GetRecNo(), 3);
  ASSERT_TRUE(data_set.FindNext());
  EXPECT_EQ(data_set.GetRecNo(), 4);
  EXPECT_FALSE(data_set.FindNext());
  EXPECT_EQ(data_set.GetRecNo(), 4) << "a failed find keeps the cursor";
  ASSERT_TRUE(data_set.FindLast());
  EXPECT_EQ(data_set.GetRecNo(), 4);
  data_set.SetFilterText("QTY > 200 and QTY <> 500");
  EXPECT_EQ(codes(), "123456/6") << "not filtered yet";
  data_set.SetFiltered(true);
  EXPECT_EQ(codes(), "346/3");
  data_set.SetFilterText("CODE = '60000*' and QTY < 300");
  EXPECT_EQ(codes(), "12/2");
  testing::ExpectError([&] { data_set.SetFilterText("QTY >"); }, "过滤表达式第6个字符处有错：缺少操作数");
  EXPECT_EQ(data_set.GetFilter(), "CODE = '60000*' and QTY < 300") << "a bad text leaves the filter";
}

}  // namespace
}  // namespace ruzi
