// TsnTreeNode against the brute-force model: seeded random sequences of every operation.
#include <gtest/gtest.h>

#include <random>

#include "tree_node_driver.h"

namespace ruzi::treemodel {
namespace {

struct SeededSource {
  std::mt19937 generator;
  uint32_t Next(uint32_t bound) { return std::uniform_int_distribution<uint32_t>(0, bound - 1)(generator); }
  bool Exhausted() const { return false; }
};

TEST(TreeNodeProperty, ThousandSequencesMatchTheModel) {
  for (uint32_t seed = 1; seed <= 1000; ++seed) {
    SeededSource source{std::mt19937(seed)};
    const std::string difference = TreeNodeDriver<SeededSource>(source).Run(500);
    ASSERT_EQ(difference, "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace ruzi::treemodel
