// The data tree's fault-catching cases: aggregates, lazy filter operands and finding (the share-out
// of a group's edit: RuziCommand.TreeShowGroupsSortsAndShares),
// the root's caption, errors that leave the tree as it was, companions that go with their
// fields, and the published properties.
#include <gtest/gtest.h>

#include <map>

#include "data_tree_fixture.h"
#include "error_text.h"
#include "foundation/property_access.h"
#include "query/data_set_types.h"
#include "vector_file.h"

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

// What the model property test leaves out: GTNone, a numeric GTMix that differs, the average's
// text at the root over its one group, and the caption without the count. A group's first total
// reads the rows' other totalled cells from the source along; a text that is no number there
// ("x") is left to its own column's total, which alone raises. A cell empty when first read and
// a number when read again after a refresh holds the number.
TEST(DataTree, AggregatesOfTheirChildren) {
  DataTreeFixture<> f({{"A", ftFloat, GTAvg}, {"N", ftFloat, GTNone}, {"I", ftInteger, GTMix}, {"S", ftFloat, GTSum}, {"B", ftInteger, GTSum}});
  f.Build({Row{"10", "1", "5", "1.5", "2"}, Row{std::nullopt, "2", "6", "2.5", "x"}, Row{"30", "3", "6", std::nullopt, "1"}},
          OneGroup());
  for (const auto& [column, text] : std::map<std::string, std::string>{{"A", "13.3333333333333"}, {"N", ""}, {"I", ""}, {"S", "4"}}) {
    EXPECT_EQ(f.Cell(f.tree->GetFirstChild(), column), text) << column;
  }
  EXPECT_EQ(f.Cell(f.tree.get(), "A"), "13.3333333333333");
  EXPECT_THROW(f.tree->GetRooterValue(f.F("B")), std::exception);
  // The source's empty S becomes 6: read again after a refresh, it counts (no null left over).
  f.source.SetRecNo(3);
  f.source.Edit();
  f.source.FieldByName("S")->SetAsString("6");
  f.source.Post();
  f.tree->SetRefreshReadOnly(false);
  f.tree->RefreshData();
  EXPECT_EQ(f.Cell(f.tree->GetFirstChild(), "A"), "13.3333333333333");
  EXPECT_EQ(f.Cell(f.tree->GetFirstChild(), "S"), "10");
  EXPECT_EQ(f.Cell(f.tree->GetFirstChild()->GetItem(2), "S"), "6");
  f.tree->SetShowSubDataCount(false);
  EXPECT_EQ(f.tree->GetRooterValue(f.F("NAME")), "全部汇总");  // "全部汇总[3]" with the count (the property test)
}

// A big tree's blocks go back to its slab when rows go, and rows bound after take them again:
// those start unread, not with the slots of the rows that went (fresh large-page memory is
// handed out without clearing, a block given back must be cleared).
TEST(DataTree, RowsBoundWhereOthersWentStartUnread) {
  DataTreeFixture<> f({{"V", ftFloat, GTSum}, {"W", ftInteger, GTSum}});
  constexpr int32_t kRows = 20000;  // some megabytes of rows: the slab's chunks are large pages
  std::vector<Row> rows;
  for (int32_t rec = 1; rec <= kRows; ++rec) rows.push_back(Row{std::to_string(rec), std::to_string(2 * rec)});
  f.Build(rows, OneGroup());
  TsnTreeNode* group = f.tree->GetFirstChild();
  EXPECT_EQ(f.Cell(group, "V"), std::to_string(kRows * (kRows + 1) / 2));
  // The last quarter goes; as many rows are bound again to the first quarter's records.
  for (int32_t i = 0; i < kRows / 4; ++i) f.tree->RemoveStock(group->GetItem(group->GetCount() - 1));
  int32_t v = (kRows * 3 / 4) * (kRows * 3 / 4 + 1) / 2;
  for (int32_t rec = 1; rec <= kRows / 4; ++rec) {
    auto* row = static_cast<TTreeRowData*>(f.tree->BindStock(group, "again", -1, TInvestType(), '1', rec)->GetData());
    ASSERT_NE(row->GetFieldState(f.F("W")), DSRead) << rec;
    v += rec;
  }
  static_cast<TTreeRowData*>(group->GetData())->ResetFieldValue();
  EXPECT_EQ(f.Cell(group, "V"), std::to_string(v));
  EXPECT_EQ(f.Cell(group, "W"), std::to_string(2 * v));  // taken along V's pass
}

// A class reading data cells its own way (here negated) is asked for every one, read or not:
// the totals and the sort take its texts, not the source's or the slots'.
struct CellsNegated : TDBTreeNode {
  std::string GetCellValue(TsnTreeNode* Node, DataField* Field) override {
    const std::string text = TDBTreeNode::GetCellValue(Node, Field);
    const bool dataCell = Field->FieldName() != "NAME" && !static_cast<TTreeRowData*>(Node->GetData())->GetIsGroup();
    return dataCell && !text.empty() ? "-" + text : text;
  }
};

TEST(DataTree, TotalsAndSortAskAClassThatReadsItsOwnCells) {
  DataTreeFixture<CellsNegated> f({{"V", ftFloat, GTSum}});
  f.Build({Row{"1"}, Row{"3"}, Row{"2"}}, OneGroup());
  TsnTreeNode* group = f.tree->GetFirstChild();
  EXPECT_EQ(f.Cell(group, "V"), "-6");  // cells unread until now
  f.tree->AppendSort("V", true);
  f.tree->reSort();  // cells read: their slots hold the source's numbers
  std::string order;
  for (int32_t i = 0; i < group->GetCount(); ++i) order += group->GetItem(i)->GetText();
  EXPECT_EQ(order, "r2r3r1");
}

// FindNodeEx searches by itself, whatever a class makes of FindNode.
struct FindNodeFindsNothing : TDBTreeNode {
  TsnTreeNode* FindNode(TsnTreeNode*, const std::string&, unsigned) override { return nullptr; }
};

TEST(DataTree, FilterReadsTheRightOperandOnlyWhereTheLeftHolds) {
  DataTreeFixture<FindNodeFindsNothing> f({{"A", ftInteger, GTNone}, {"B", ftInteger, GTNone}});
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
  EXPECT_EQ(f.tree->TDBTreeNode::FindNode(nullptr, "B = 5", 0), group->GetItem(3));
  EXPECT_EQ(f.tree->TDBTreeNode::FindNode(nullptr, "B = 4", 0), nullptr);
  EXPECT_EQ(f.tree->FindNodeEx(nullptr, "B = 5", 0), group->GetItem(3));
  EXPECT_EQ(f.tree->FindNodeEx(group, "A = 1", 0), group->GetItem(0));
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
}

TEST(DataTree, CompanionsGoWithTheirFields) {
  DataTreeFixture<> f({{"V", ftFloat, GTSum}});
  f.Build({Row{"1"}}, OneGroup());
  EXPECT_EQ(f.tree->GetFreeNotifier()->Count(), 2);
  // A source field freed is forgotten: reading the cell raises (a column without a source
  // field) instead of touching it.
  f.source.Close();
  testing::ExpectError([&] { f.Cell(f.tree->GetFirstChild()->GetItem(0), "V"); }, "Field [V] Not Find");
  // A column freed takes its companion along (the sanitizer sees any later use).
  f.columns.Close();
  EXPECT_EQ(f.tree->GetFreeNotifier()->Count(), 0);
}

TEST(DataTree, PublishesItsPropertiesAndEvents) {
  TComponent owner;
  new MemoryDataSet(&owner);
  (new MemoryDataSet(&owner))->SetName("Second");
  DataTreeFixture<> f({{"V", ftFloat, GTSum}});
  f.Build({Row{"1"}, Row{"2"}}, OneGroup());
  TDBTreeNode& tree = *f.tree;
  tree.SetStockQry(static_cast<DataSet*>(owner.Components(0)));
  std::string names;
  for (const TPropertyInfo* info : GetPropList(tree.ClassType())) names += (names.empty() ? "" : " ") + std::string(info->Name);
  for (const TEventInfo* info : GetEventList(tree.ClassType())) names += " " + std::string(info->Name);
  testing::CheckAnswers("tree_published.txt",
                        {{"names", [&](const auto&) { return names; }},
                         {"set", [&](const auto& a) { return SetPropText(tree, a[0], a[1]), GetPropText(tree, a[0]); }},
                         {"get", [&](const auto& a) { return GetPropText(tree, a[0]); }}});
  EXPECT_EQ(tree.GetFieldOperType(), cmGetCreate);
  EXPECT_TRUE(tree.GetOnlySortDataNode() && !tree.GetRefreshReadOnly() && tree.GetStockQry() == nullptr);
  // An event set by name is the one the tree calls.
  int freed = 0;
  SetMethodProp(tree, "OnFreeRowNode", TOnFreeRowData{[](void* data, TTreeRowData*) { ++*static_cast<int*>(data); }, &freed}.AsMethod());
  tree.RemoveStock(tree.GetFirstChild()->GetItem(0));
  EXPECT_EQ(freed, 1);
}

}  // namespace
}  // namespace ruzi::treetest
