// TsnTreeNode: the faults counters kept by the letter would show, what deleting reports, bad
// input, and the documented edge cases. The property test covers the rest against a model.
#include <gtest/gtest.h>

#include <map>
#include <string>

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

// Each node's OnDeleteNode counts into deletions; ReferenceSlot points into slots.
struct DeleteWatch {
  std::map<TsnTreeNode*, int> deletions;
  std::map<TsnTreeNode*, TsnTreeNode*> slots;
  void Watch(TsnTreeNode* node) {
    slots[node] = node;
    node->SetReferenceSlot(&slots[node]);
    node->SetOnDeleteNode({[](void* data, TsnTreeNode* n) { ++static_cast<DeleteWatch*>(data)->deletions[n]; }, this});
  }
};

TEST(TreeNodeDelete, EmptiesReferenceSlotsAndReportsEachNodeOnce) {
  DeleteWatch watch;
  auto* root = new TsnTreeNode(nullptr, false);
  watch.Watch(root);
  for (TsnTreeNode* parent : {root->AddChild("A"), root->AddChild("B")}) {
    watch.Watch(parent);
    for (int i = 0; i < 3; ++i) watch.Watch(parent->AddChild("x")->AddChild("y")->GetParent());
  }
  TsnTreeNode* a = root->GetItem(0);
  a->Delete();
  EXPECT_EQ(watch.slots[a], nullptr);
  EXPECT_EQ(watch.deletions[a], 1);
  EXPECT_EQ(root->GetTotalCount(), 7);
  delete root;
  for (auto& [node, slot] : watch.slots) EXPECT_EQ(slot, node == root ? root : nullptr);
  EXPECT_EQ(watch.deletions.size(), 8u);  // A, B, six below them; the grandchildren have no handler
  for (auto& [node, count] : watch.deletions) EXPECT_EQ(count, 1);
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

TEST(TreeNodeBadInput, NodesOfAnotherTreeAreRefusedAndChangeNothing) {
  TsnTreeNode root(nullptr, false);
  TsnTreeNode* a = root.AddChild("A");
  TsnTreeNode other(nullptr, false);
  TsnTreeNode* stranger = other.AddChild("S");
  EXPECT_THROW(root.AddChild(stranger, "x"), Error);
  EXPECT_THROW(root.InsertChild(0, stranger, "x"), Error);
  EXPECT_THROW(root.AppendChild(stranger, "x", false, 0), Error);
  EXPECT_THROW(root.Delete(stranger), Error);
  EXPECT_THROW(root.SetItem(0, stranger), Error);
  EXPECT_THROW(a->Assign(&root), Error);  // the root's children would move below one of them
  EXPECT_THROW(root.Assign(nullptr), Error);
  EXPECT_EQ(root.GetTotalCount(), 1);
  EXPECT_EQ(other.GetTotalCount(), 1);
  EXPECT_EQ(stranger->GetParent(), &other);
}

TEST(TreeNodeBadInput, ChangingTheTreeInsideOnCompareRaises) {
  TsnTreeNode root(nullptr, false);
  for (const char* text : {"c", "a", "b"}) root.AddChild(text);
  struct Attempts {
    int raised = 0;
  } attempts;
  root.SetCompared({[](void* data, TsnTreeNode* sender, TsnTreeNode* n1, TsnTreeNode* n2, int32_t& result) {
                      auto tryChange = [&](auto&& change) {
                        try {
                          change();
                        } catch (const Error&) {
                          ++static_cast<Attempts*>(data)->raised;
                        }
                      };
                      tryChange([&] { sender->AddChild("new"); });
                      tryChange([&] { n1->Delete(); });
                      tryChange([&] { n2->SetVisible(false); });
                      tryChange([&] { n2->Expand(true); });
                      tryChange([&] { sender->CustomSort(false); });
                      result = n1->GetText().compare(n2->GetText());
                    },
                    &attempts});
  root.CustomSort(false);
  EXPECT_EQ(Rows(root), "a b c");
  EXPECT_EQ(attempts.raised % 5, 0);
  EXPECT_GT(attempts.raised, 0);
  root.AddChild("d");  // allowed again once the sort is over
  EXPECT_EQ(root.GetCount(), 4);
}

TEST(TreeNodeEdges, DocumentedCases) {
  TsnTreeNode root(nullptr, false);
  EXPECT_EQ(root.ViewCount(), 0);
  EXPECT_EQ(root.GetViewItem(0), nullptr);
  EXPECT_FALSE(root.GetExpand());
  root.SetDefaultExpanded(efExpand);
  EXPECT_TRUE(root.GetExpand());

  TsnTreeNode* a = root.AddChild("A");
  EXPECT_EQ(a->AddChild("k", true)->GetText(), "kA");
  EXPECT_EQ(root.AppendChild(nullptr, "last", false, root.GetCount())->GetIndex(), 1);
  EXPECT_EQ(root.AppendChild(nullptr, "end", false, -1)->GetIndex(), 2);
  EXPECT_EQ(root.AppendChild(nullptr, "first", false, 0)->GetIndex(), 0);
  EXPECT_EQ(Rows(root), "first A kA last end");
  root.CustomSort(true);  // no comparison: the order stays
  EXPECT_EQ(Rows(root), "first A kA last end");
  a->Collapse(false);
  EXPECT_EQ(Rows(root), "first A last end");
  EXPECT_EQ(a->GetViewIndex(), 1);
  EXPECT_EQ(a->GetAbsoluteIndex(), 2);
}

TEST(TreeNodeAssign, MovesTheChildrenAcrossTrees) {
  TsnTreeNode from(nullptr, false);
  from.SetDefaultExpanded(efExpand);
  from.AddChild("x")->AddChild("y");
  TsnTreeNode to(nullptr, false);
  to.SetDefaultExpanded(efExpand);
  TsnTreeNode* target = to.AddChild("t");
  target->AddChild("old");
  target->Assign(&from);
  EXPECT_EQ(Rows(to), "t x y");
  EXPECT_EQ(from.GetTotalCount(), 0);
  EXPECT_EQ(to.GetTotalCount(), 3);
  EXPECT_EQ(target->GetItem(0)->GetItem(0)->GetLevel(), 3);
  EXPECT_EQ(target->GetItem(0)->GetTopNode(), &to);
}

TEST(TreeNodeImages, PlainListWithOutOfRangeIgnored) {
  TsnTreeNode root(nullptr, false);
  root.AddImageIndex(1);
  root.AddImageIndex(3);
  root.InsertImageIndex(1, 2);
  root.SetImageIndex(5, 9);
  root.DeleteImageIndex(-1);
  EXPECT_EQ(root.GetImageIndexCount(), 3);
  EXPECT_EQ(root.GetImageIndex(1), 2);
  EXPECT_EQ(root.GetImageIndex(3), -1);
  root.ClearImageIndex();
  EXPECT_EQ(root.GetImageIndexCount(), 0);
}

}  // namespace
}  // namespace ruzi
