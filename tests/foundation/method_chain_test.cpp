// Event chains: replacements and restores in any order, as scripts.
#include "foundation/method_chain.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "vector_file.h"

namespace ruzi {
namespace {

using TProbeEvent = TEvent<std::string&>;
using TProbeChain = TEventChain<std::string&>;

// A handler that writes its letter and passes on to what it replaced.
struct Link {
  char letter;
  TProbeChain* chain;

  static void Handle(void* data, std::string& journal) {
    auto* self = static_cast<Link*>(data);
    journal += self->letter;
    self->chain->CallPrevious(self->Handler(), journal);
  }
  TProbeEvent Handler() { return TProbeEvent{&Link::Handle, this}; }
};

void Original(void*, std::string& journal) { journal += 'O'; }

// The scripts of tests/data/fnd_method_chains.txt. The same handler installed twice is two
// links, each restore taking the latest; an empty original ends the chain quietly.
TEST(MethodChain, ReplacementsAndRestoresInAnyOrder) {
  for (const testing::VectorCase& c : testing::ReadVectors("fnd_method_chains.txt")) {
    SCOPED_TRACE(c[1]);
    const TProbeEvent original = c[0] == "original" ? TProbeEvent{&Original, nullptr} : TProbeEvent{};
    TProbeChain chain(original);
    std::map<char, Link> links;
    for (char letter : std::string("ABS")) links.emplace(letter, Link{letter, &chain});
    auto handler = [&](char letter) { return letter == 'O' ? original : links.at(letter).Handler(); };
    std::vector<std::string> journals;
    for (const char* step = c[1].c_str(); *step != '\0'; step += 2) {
      if (step[0] == '+' || step[0] == '*') {
        chain.Replace(handler(step[1]));
      } else {
        EXPECT_EQ(chain.Restore(handler(step[1])), step[0] == '-') << step;
      }
      journals.emplace_back(step[0] == '*' ? "-" : "");
      if (step[0] != '*') chain(journals.back());
    }
    EXPECT_EQ(journals, std::vector<std::string>(c.begin() + 2, c.end()));
    if (journals.back() == "O") {
      EXPECT_TRUE(chain.Current() == original && chain.ReplacementCount() == 0);
    }
    EXPECT_EQ(chain.Previous(links.at('S').Handler()), TProbeEvent{});
  }
}

}  // namespace
}  // namespace ruzi
