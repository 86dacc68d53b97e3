// TsnTreeNode against the brute-force model (seeded random sequences of every operation, deletion
// reports and changes refused inside a sort included; the counters are compared after every
// step, which is where counters kept by the letter go wrong), and children moved across trees.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tree_node_driver.h"

namespace ruzi {
namespace {

struct SeededSource {
  std::mt19937 generator;
  uint32_t Next(uint32_t bound) { return std::uniform_int_distribution<uint32_t>(0, bound - 1)(generator); }
  bool Exhausted() const { return false; }
};

TEST(TreeNodeProperty, ThousandSequencesMatchTheModel) {
  for (uint32_t seed = 1; seed <= 1000; ++seed) {
    SeededSource source{std::mt19937(seed)};
    ASSERT_EQ(treemodel::TreeNodeDriver<SeededSource>(source).Run(500), "") << "seed " << seed;
  }
}

// The shown rows' texts, one after another.
std::string Rows(TsnTreeNode& tree) {
  std::string rows;
  for (int i = 0; i < tree.ViewCount(); ++i) rows += tree.GetViewItem(i)->GetText();
  return rows;
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
  EXPECT_EQ(Rows(to), "txy");
  EXPECT_EQ(from.GetTotalCount(), 0);
  EXPECT_EQ(to.GetTotalCount(), 3);
  EXPECT_EQ(target->GetItem(0)->GetItem(0)->GetLevel(), 3);
  EXPECT_EQ(target->GetItem(0)->GetTopNode(), &to);
}

}  // namespace
}  // namespace ruzi
