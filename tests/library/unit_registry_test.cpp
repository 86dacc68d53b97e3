// The units of the library: started in order, ended in reverse, and a failed start ends what
// started before it.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "library/unit_registry.h"

namespace ruzi {
namespace {

// Units that write each step into a journal; an end step notes whether the process is leaving.
struct Journal {
  UnitRegistry registry;
  std::vector<std::string> steps;
  void Add(const std::string& name, bool fail = false) {
    registry.Add({name,
                  [this, name, fail] { steps.push_back(fail ? throw std::runtime_error("cannot open") : "start " + name); },
                  [this, name] { steps.push_back("shutdown " + name); },
                  [this, name] { steps.push_back((registry.ProcessExiting() ? "exit " : "end ") + name); }});
  }
};

TEST(UnitRegistry, StartsInOrderEndsInReverseAndAFailedStartEndsWhatStarted) {
  for (const bool exiting : {false, true}) {
    Journal journal;
    for (const char* name : {"a", "b", "c"}) journal.Add(name);
    ASSERT_TRUE(journal.registry.StartAll());
    journal.registry.ShutdownAll();
    journal.registry.ShutdownAll();  // a second call does nothing
    journal.registry.EndAll(exiting);
    const std::string end = exiting ? "exit " : "end ";
    EXPECT_EQ(journal.steps, (std::vector<std::string>{"start a", "start b", "start c", "shutdown c", "shutdown b",
                                                       "shutdown a", end + "c", end + "b", end + "a"}));
    EXPECT_EQ(journal.registry.LastStartError(), "");
  }
  Journal journal;
  for (const std::string name : {"a", "b", "c"}) journal.Add(name, name == "b");
  EXPECT_FALSE(journal.registry.StartAll());
  EXPECT_EQ(journal.steps, (std::vector<std::string>{"start a", "end a"}));
  EXPECT_EQ(journal.registry.LastStartError(), "b: cannot open");
  EXPECT_EQ(journal.registry.StartedCount(), 0u);
}

}  // namespace
}  // namespace ruzi
