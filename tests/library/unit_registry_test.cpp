#include <gtest/gtest.h>

#include <stdexcept>

#include "library/unit_registry.h"

namespace ruzi {
namespace {

struct Journal {
  std::vector<std::string> steps;
  UnitSteps Unit(const std::string& name, bool fail = false) {
    return {name,
            [this, name, fail] {
              if (fail) throw std::runtime_error("cannot open");
              steps.push_back("start " + name);
            },
            [this, name] { steps.push_back("shutdown " + name); },
            [this, name] { steps.push_back("end " + name); }};
  }
};

TEST(UnitRegistry, StartsInOrderEndsInReverse) {
  Journal journal;
  UnitRegistry registry;
  registry.Add(journal.Unit("a"));
  registry.Add(journal.Unit("b"));
  registry.Add(journal.Unit("c"));
  ASSERT_TRUE(registry.StartAll());
  registry.ShutdownAll();
  registry.ShutdownAll();  // a second call does nothing
  registry.EndAll(false);
  EXPECT_EQ(journal.steps, (std::vector<std::string>{"start a", "start b", "start c", "shutdown c", "shutdown b",
                                                     "shutdown a", "end c", "end b", "end a"}));
  EXPECT_EQ(registry.LastStartError(), "");
}

TEST(UnitRegistry, FailingStartEndsWhatStartedAndKeepsTheReason) {
  Journal journal;
  UnitRegistry registry;
  registry.Add(journal.Unit("a"));
  registry.Add(journal.Unit("b", true));
  registry.Add(journal.Unit("c"));
  EXPECT_FALSE(registry.StartAll());
  EXPECT_EQ(journal.steps, (std::vector<std::string>{"start a", "end a"}));
  EXPECT_EQ(registry.LastStartError(), "b: cannot open");
  EXPECT_EQ(registry.StartedCount(), 0u);
}

TEST(UnitRegistry, ProcessExitIsPassedToEndSteps) {
  UnitRegistry registry;
  bool seen_exiting = false;
  registry.Add({"a", nullptr, nullptr, [&] { seen_exiting = registry.ProcessExiting(); }});
  ASSERT_TRUE(registry.StartAll());
  registry.EndAll(true);
  EXPECT_TRUE(seen_exiting);
}

}  // namespace
}  // namespace ruzi
