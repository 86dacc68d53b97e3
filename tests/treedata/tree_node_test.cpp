// TsnTreeNode against the brute-force model (seeded random sequences of every operation, deletion
// reports and changes refused inside a sort included; the counters are compared after every
// step, which is where counters kept by the letter go wrong), and children moved across trees.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "tree_node_driver.h"
#include "treedata/large_blocks.h"

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

// A tree of megabytes takes blocks of large pages (slab chunks, a long child list), reads back
// across them, and gives every block back when cleared and when it goes.
TEST(TreeNodeMemory, LargeBlocksComeBackWhenTheTreeIsClearedAndWhenItGoes) {
  const size_t before = LargeBlockBytesInUse();
  {
    TsnTreeNode tree(nullptr, false);
    for (int round = 0; round < 2; ++round) {
      TsnTreeNode* group = tree.AddChild("g");
      for (int i = 0; i < 200000; ++i) group->AddChild(std::to_string(i));
      EXPECT_GT(LargeBlockBytesInUse(), before + (std::size_t{8} << 20));
      for (int i : {0, 65535, 123456, 199999}) {
        EXPECT_EQ(group->GetItem(i)->GetText(), std::to_string(i));
        EXPECT_EQ(group->GetItem(i)->GetIndex(), i);
      }
      if (round == 0) {
        tree.Clear();
        EXPECT_EQ(LargeBlockBytesInUse(), before);
      }
    }
  }
  EXPECT_EQ(LargeBlockBytesInUse(), before);
}

}  // namespace
}  // namespace ruzi
