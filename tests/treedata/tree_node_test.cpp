// TsnTreeNode against the brute-force model (seeded random sequences of every operation, deletion
// reports and changes refused inside a sort included), and the faults counters kept by the
// letter would show, a million nodes freed, and children moved across trees.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <sstream>
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

// Each fault of counters kept by the letter, as a script of steps on nodes named by one letter
// (R is the root): "D" expands by default, "+AB" adds B under A, "eA"/"EA" expands A alone or
// with its subtree, "cA" collapses it, "hA"/"sA" hides or shows it, "=ABC" expects those rows,
// "?A1"/"?A0" expects GetExpand.
TEST(TreeNodeCounters, TheLiteralCountersFaults) {
  const char* const scripts[] = {
      "D +RA +AB +BC cA +BD =A eA =ABCD",                   // adding under a collapsed ancestor
      "D +RA +AB hB =A sB =AB",                             // hiding an only child, then showing it
      "+RA +AB +BC eB =A ?B0 eA =ABC ?B1",                  // expanding under a collapsed ancestor
      "+RA +AB +BC +CD +AE hB hC EA =AE sB =ABE sC =ABCDE"  // recursive expand over hidden nodes
  };
  for (const char* script : scripts) {
    TsnTreeNode root(nullptr, false);
    std::map<char, TsnTreeNode*> nodes{{'R', &root}};
    std::istringstream steps(script);
    for (std::string step; steps >> step;) {
      TsnTreeNode* node = step.size() > 1 ? nodes[step[1]] : &root;
      switch (step[0]) {
        case 'D': root.SetDefaultExpanded(efExpand); break;
        case '+': nodes[step[2]] = node->AddChild(step.substr(2)); break;
        case 'e': case 'E': node->Expand(step[0] == 'E'); break;
        case 'c': node->Collapse(false); break;
        case 'h': case 's': node->SetVisible(step[0] == 's'); break;
        case '?': EXPECT_EQ(node->GetExpand(), step[2] == '1') << script << " at " << step; break;
        default: EXPECT_EQ(Rows(root), step.substr(1)) << script << " at " << step;
      }
    }
  }
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
