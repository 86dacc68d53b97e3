// The data tree's fault-catching cases: aggregates, share-out, lazy filter operands, the root's
// caption, errors that leave the tree as it was, and every row freed once.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "data_tree_fixture.h"
#include "error_text.h"
#include "query/data_set_types.h"

namespace ruzi::treetest {
namespace {

using Row = MemoryDataSet::Row;

// One group "g" holding every source record in order.
TBeginBuildTree OneGroup() {
  return TBeginBuildTree{[](void*, TDBTreeNode* tree) {
                           TsnTreeNode* group = tree->AppendChild(nullptr, "g", -1, true, false).Node;
                           for (int32_t rec = 1; rec <= tree->GetStockQry()->GetRecordCount(); ++rec) {
                             tree->BindStock(group, "r" + std::to_string(rec), -1, TInvestType(), '1', rec);
                           }
                         },
                         nullptr};
}

TEST(DataTree, AggregatesOfTenEmptyThirty) {
  DataTreeFixture<> f({{"S", ftFloat, GTSum}, {"A", ftFloat, GTAvg}, {"MX", ftFloat, GTMax}, {"MN", ftFloat, GTMin},
                       {"E", ftFloat, GTMax}, {"N", ftFloat, GTNone}});
  f.Build({Row{"10", "10", "10", "10", std::nullopt, "1"}, Row{std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, "2"},
           Row{"30", "30", "30", "30", std::nullopt, "3"}},
          OneGroup());
  TsnTreeNode* group = f.tree->GetFirstChild();
  const std::map<std::string, std::string> expected = {{"S", "40"}, {"A", "13.3333333333333"}, {"MX", "30"},
                                                       {"MN", "10"}, {"E", "0"},  {"N", ""}};
  for (const auto& [column, text] : expected) {
    EXPECT_EQ(f.Cell(group, column), text) << column;
  }
  EXPECT_EQ(f.Cell(f.tree.get(), "S"), "40");
  EXPECT_EQ(f.Cell(f.tree.get(), "A"), "13.3333333333333");  // the root averages its one group
}

TEST(DataTree, MixAndCheckGiveTheCommonValueOrMixed) {
  DataTreeFixture<> f({{"T", ftString, GTMix}, {"C", ftString, GTChk}, {"I", ftInteger, GTMix}});
  f.Build({Row{"A", "A", "5"}, Row{"A", "B", "6"}}, OneGroup());
  TsnTreeNode* group = f.tree->GetFirstChild();
  EXPECT_EQ(f.Cell(group, "T"), "A");
  EXPECT_EQ(f.Cell(group, "C"), "混合");
  EXPECT_EQ(f.Cell(group, "I"), "");
}

TEST(DataTree, GroupEditSharedInProportionAndTotalsFollow) {
  DataTreeFixture<> f({{"V", ftFloat, GTSum}});
  f.Build({Row{"60"}, Row{"40"}}, OneGroup());
  TsnTreeNode* group = f.tree->GetFirstChild();
  EXPECT_EQ(f.Cell(group, "V"), "100");
  f.tree->ModifyField(static_cast<TTreeRowData*>(group->GetData()), f.F("V"), "150", true);
  EXPECT_EQ(f.Cell(group->GetItem(0), "V"), "90");
  EXPECT_EQ(f.Cell(group->GetItem(1), "V"), "60");
  EXPECT_EQ(f.Cell(group, "V"), "150");
  EXPECT_EQ(f.Cell(f.tree.get(), "V"), "150");
  // An edit of one data row reaches every total above it.
  f.tree->ModifyField(static_cast<TTreeRowData*>(group->GetItem(1)->GetData()), f.F("V"), "10", true);
  EXPECT_EQ(f.Cell(group, "V"), "100");
  EXPECT_EQ(f.Cell(f.tree.get(), "V"), "100");
}

TEST(DataTree, FilterReadsTheRightOperandOnlyWhereTheLeftHolds) {
  DataTreeFixture<> f({{"A", ftInteger, GTNone}, {"B", ftInteger, GTNone}});
  f.Build({Row{"1", "3"}, Row{"0", "9"}, Row{"1", "1"}, Row{"2", "5"}}, OneGroup());
  std::map<std::string, int> reads;  // node text -> reads of B
  struct Context {
    DataField* b;
    std::map<std::string, int>* reads;
  } context{f.F("B"), &reads};
  f.tree->OnGetFieldValue = TOnGetFieldValue{[](void* data, TsnTreeNode* node, DataField* field, std::string&, bool&) {
                                               auto* c = static_cast<Context*>(data);
                                               if (field == c->b) ++(*c->reads)[node->GetText()];
                                             },
                                             &context};
  TsnTreeNode* group = f.tree->GetFirstChild();
  std::vector<bool> passed;
  for (int32_t i = 0; i < group->GetCount(); ++i) {
    passed.push_back(f.tree->CalFilterValue(static_cast<TTreeRowData*>(group->GetItem(i)->GetData()), "A = 1 and B > 2", 0));
  }
  EXPECT_EQ(passed, (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(reads, (std::map<std::string, int>{{"r1", 1}, {"r3", 1}}));
  EXPECT_EQ(f.tree->FindNode(nullptr, "B = 5", 0), group->GetItem(3));
  EXPECT_EQ(f.tree->FindNode(nullptr, "B = 4", 0), nullptr);
}

TEST(DataTree, RootCaptionCarriesTheDataRowCount) {
  DataTreeFixture<> f({{"V", ftFloat, GTSum}});
  f.Build({Row{"1"}, Row{"2"}, Row{"3"}}, OneGroup());
  EXPECT_EQ(f.tree->GetRooterValue(f.F("NAME")), "全部汇总[3]");
  EXPECT_EQ(f.Cell(f.tree->GetFirstChild(), "NAME"), "g[3]");
  f.tree->RemoveStock(f.tree->GetFirstChild()->GetItem(0));
  EXPECT_EQ(f.tree->GetRooterValue(f.F("NAME")), "全部汇总[2]");
  EXPECT_EQ(f.Cell(f.tree.get(), "V"), "5");
  f.tree->SetShowSubDataCount(false);
  EXPECT_EQ(f.tree->GetRooterValue(f.F("NAME")), "全部汇总");
}

TEST(DataTree, ErrorsCarryTheirTextsAndLeaveTheTree) {
  DataTreeFixture<> f({{"I", ftInteger, GTNone}});
  f.Build({Row{"2"}, Row{"abc"}, Row{"1"}}, OneGroup());
  testing::ExpectError([&] { f.tree->AppendSort("ZZ", true); }, "排序时，字段ZZ不存在！");
  testing::ExpectError([&] { f.tree->GetRowData(4); }, "GetRowData出错！无对应行4");
  f.tree->AppendSort("I", true);
  testing::ExpectError([&] { f.tree->reSort(); }, "排序异常:'abc' is not a valid integer value");
  TsnTreeNode* group = f.tree->GetFirstChild();
  EXPECT_EQ(group->GetItem(0)->GetText(), "r1");
  EXPECT_EQ(group->GetItem(2)->GetText(), "r3");
  testing::ExpectError([&] { f.tree->CalFilterValue(f.tree->GetRowData(0), "", 0); }, "数据过滤失败，无比较表达式!");
  // A column the source lacks.
  f.source.Close();
  f.source.GetFieldDefs().Clear();
  f.source.GetFieldDefs().Add("OTHER", ftInteger);
  f.source.Open();
  f.tree->BeginBuildTree = {};
  f.tree->ParseDbDatas();
  f.tree->BindStock(nullptr, "x", -1, TInvestType(), '1', 1);
  testing::ExpectError([&] { f.Cell(f.tree->GetFirstChild(), "I"); }, "Field [I] Not Find");
}

TEST(DataTree, EveryRowIsFreedOnceWhateverRemovesIt) {
  std::multiset<int32_t> freed;
  {
    DataTreeFixture<> f({{"V", ftFloat, GTSum}});
    f.tree->OnFreeRowNode = TOnFreeRowData{
        [](void* data, TTreeRowData* row) { static_cast<std::multiset<int32_t>*>(data)->insert(row->GetSeqNo()); }, &freed};
    f.Build({Row{"1"}, Row{"2"}, Row{"3"}, Row{"4"}},
            TBeginBuildTree{[](void*, TDBTreeNode* tree) {
                              TsnTreeNode* a = tree->AppendChild(nullptr, "a", -1, true, false).Node;
                              TsnTreeNode* b = tree->AppendChild(a, "b", -1, true, false).Node;
                              tree->AppendChild(a, "empty", -1, true, false);
                              for (int32_t rec = 1; rec <= 4; ++rec) tree->BindStock(rec < 3 ? a : b, "r", -1, {}, '1', rec);
                            },
                            nullptr});
    f.tree->RemoveStock(f.tree->GetFirstChild()->GetItem(2));  // the first data row under a
    f.tree->HideEmptyNode(nullptr);                            // "empty"
    EXPECT_EQ(f.tree->GetFirstChild()->GetCount(), 2);
    f.tree->RemoveTreeStock();
    EXPECT_EQ(f.tree->GetStockCount(), 0);
    EXPECT_EQ(f.tree->GetFirstChild()->GetStockCount(), 0);
    f.tree->ParseDbDatas();  // clears the rest, the root row too, and builds anew (4 data rows)
    EXPECT_EQ(freed.size(), 8u);
  }
  // Two builds of 8 rows each (root, 3 groups, 4 data rows): 16 rows, each freed once.
  std::set<int32_t> distinct(freed.begin(), freed.end());
  EXPECT_EQ(freed.size(), 16u);
  EXPECT_EQ(distinct.size(), 8u);  // sequence numbers start again at 1 in a rebuild
}

}  // namespace
}  // namespace ruzi::treetest
