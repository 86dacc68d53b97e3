// TsnTreeNode: the faults counters kept by the letter would show, what deleting reports,
// changes from inside a sort, moving children across trees and the documented edge cases.
// The property test holds everything else to a model.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "treedata/tree_node.h"

namespace ruzi {
namespace {

// The shown rows' texts, joined by spaces.
std::string Rows(TsnTreeNode& tree) {
  std::string rows;
  for (int i = 0; i < tree.ViewCount(); ++i) rows += (i ? " " : "") + tree.GetViewItem(i)->GetText();
  return rows;
}

TEST(TreeNodeCounters, AddingUnderAnExpandedNodeBelowACollapsedOne) {
  TsnTreeNode root(nullptr, false);
  root.SetDefaultExpanded(efExpand);
  TsnTreeNode* a = root.AddChild("A");
  TsnTreeNode* b = a->AddChild("B");
  b->AddChild("C");
  a->Collapse(false);
  b->AddChild("D");
  EXPECT_EQ(Rows(root), "A");
  a->Expand(false);
  EXPECT_EQ(Rows(root), "A B C D");
}

TEST(TreeNodeCounters, HidingAnOnlyChildThenShowingIt) {
  TsnTreeNode root(nullptr, false);
  root.SetDefaultExpanded(efExpand);
  TsnTreeNode* b = root.AddChild("A")->AddChild("B");
  b->SetVisible(false);
  EXPECT_EQ(Rows(root), "A");
  b->SetVisible(true);
  EXPECT_EQ(Rows(root), "A B");
}

TEST(TreeNodeCounters, ExpandingUnderACollapsedAncestor) {
  TsnTreeNode root(nullptr, false);
  TsnTreeNode* a = root.AddChild("A");
  TsnTreeNode* b = a->AddChild("B");
  b->AddChild("C");
  b->Expand(false);
  EXPECT_EQ(Rows(root), "A");
  EXPECT_FALSE(b->GetExpand());
  a->Expand(false);
  EXPECT_EQ(Rows(root), "A B C");
  EXPECT_TRUE(b->GetExpand());
}

TEST(TreeNodeCounters, RecursiveExpandOverNestedHiddenNodes) {
  TsnTreeNode root(nullptr, false);
  TsnTreeNode* a = root.AddChild("A");
  TsnTreeNode* b = a->AddChild("B");
  TsnTreeNode* c = b->AddChild("C");
  c->AddChild("D");
  a->AddChild("E");
  b->SetVisible(false);
  c->SetVisible(false);
  a->Expand(true);
  EXPECT_EQ(Rows(root), "A E");
  b->SetVisible(true);
  EXPECT_EQ(Rows(root), "A B E");
  c->SetVisible(true);
  EXPECT_EQ(Rows(root), "A B C D E");
}

TEST(TreeNodeDelete, EmptiesReferenceSlotsAndReportsEachNodeOnce) {
  std::map<TsnTreeNode*, int> reports;
  std::vector<TsnTreeNode*> slots(9);
  auto* root = new TsnTreeNode(nullptr, false);
  for (size_t i = 0; i < slots.size(); ++i) {  // three chains of three under the root
    slots[i] = (i % 3 == 0 ? root : slots[i - 1])->AddChild("n");
    slots[i]->SetReferenceSlot(&slots[i]);
    slots[i]->SetOnDeleteNode({[](void* data, TsnTreeNode* node) { ++(*static_cast<decltype(reports)*>(data))[node]; }, &reports});
  }
  slots[1]->Delete();
  EXPECT_EQ(reports.size(), 2u);
  EXPECT_EQ(root->GetTotalCount(), 7);
  delete root;
  EXPECT_EQ(reports.size(), 9u);
  for (auto& [node, count] : reports) EXPECT_EQ(count, 1);
  for (TsnTreeNode* slot : slots) EXPECT_EQ(slot, nullptr);
}

TEST(TreeNodeDelete, AMillionNodeTreeIsFreed) {
  auto* root = new TsnTreeNode(nullptr, false);
  root->SetDefaultExpanded(efExpand);
  for (int group = 0; group < 1000; ++group) {
    TsnTreeNode* node = root->AddChild("g");
    for (int row = 0; row < 999; ++row) node->AddChild("r");
  }
  EXPECT_EQ(root->ViewCount(), 1000000);
  delete root;  // the sanitizer reports anything left
}

TEST(TreeNodeBadInput, ChangingTheTreeInsideOnCompareRaises) {
  TsnTreeNode root(nullptr, false);
  for (const char* text : {"c", "a", "b"}) root.AddChild(text);
  int raised = 0;
  root.SetCompared({[](void* data, TsnTreeNode*, TsnTreeNode* n1, TsnTreeNode* n2, int32_t& result) {
                      for (auto change : {+[](TsnTreeNode* n) { n->AddChild("new"); }, +[](TsnTreeNode* n) { n->Delete(); },
                                          +[](TsnTreeNode* n) { n->SetVisible(false); },
                                          +[](TsnTreeNode* n) { n->Expand(true); },
                                          +[](TsnTreeNode* n) { n->CustomSort(false); }}) {
                        try {
                          change(n1);
                        } catch (const Error&) {
                          ++*static_cast<int*>(data);
                        }
                      }
                      result = n1->GetText().compare(n2->GetText());
                    },
                    &raised});
  root.CustomSort(false);
  EXPECT_EQ(Rows(root), "a b c");
  EXPECT_EQ(raised % 5, 0);
  EXPECT_GT(raised, 0);
  root.AddChild("d");  // allowed again once the sort is over
  EXPECT_EQ(root.GetCount(), 4);
}

TEST(TreeNodeAssign, MovesTheChildrenAcrossTrees) {
  TsnTreeNode from(nullptr, false);
  from.SetDefaultExpanded(efExpand);
  from.AddChild("x")->AddChild("y");
  TsnTreeNode to(nullptr, false);
  to.SetDefaultExpanded(efExpand);
  TsnTreeNode* target = to.AddChild("t");
  EXPECT_EQ(target->AddChild("old", true)->GetText(), "oldt");
  target->Assign(&from);
  EXPECT_EQ(Rows(to), "t x y");
  EXPECT_EQ(from.GetTotalCount(), 0);
  EXPECT_EQ(to.GetTotalCount(), 3);
  EXPECT_EQ(target->GetItem(0)->GetItem(0)->GetLevel(), 3);
  EXPECT_EQ(target->GetItem(0)->GetTopNode(), &to);
}

}  // namespace
}  // namespace ruzi
