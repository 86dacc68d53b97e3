#include "foundation/method_chain.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

std::string Journal(const TProbeChain& chain) {
  std::string journal;
  chain(journal);
  return journal;
}

// Two replacements, undone in every order: after each step the chain runs what is left, top
// first, ending in the original; at the end only the original remains.
TEST(MethodChain, TwoReplacementsUndoneInEitherOrderLeaveTheOriginal) {
  const struct {
    const char* undo_order;
    const char* after_first_undo;
  } cases[] = {{"BA", "AO"}, {"AB", "BO"}};
  for (const auto& undo : cases) {
    SCOPED_TRACE(undo.undo_order);
    const TProbeEvent original{&Original, nullptr};
    TProbeChain chain(original);
    Link a{'A', &chain}, b{'B', &chain};
    chain.Replace(a.Handler());
    chain.Replace(b.Handler());
    EXPECT_EQ(Journal(chain), "BAO");
    Link* first = undo.undo_order[0] == 'A' ? &a : &b;
    Link* second = first == &a ? &b : &a;
    EXPECT_TRUE(chain.Restore(first->Handler()));
    EXPECT_EQ(Journal(chain), undo.after_first_undo);
    EXPECT_TRUE(chain.Restore(second->Handler()));
    EXPECT_EQ(Journal(chain), "O");
    EXPECT_EQ(chain.Current(), original);
    EXPECT_EQ(chain.ReplacementCount(), 0);
  }
}

TEST(MethodChain, RestoringWhatIsNoReplacementChangesNothing) {
  const TProbeEvent original{&Original, nullptr};
  TProbeChain chain(original);
  Link a{'A', &chain}, stranger{'S', &chain};
  chain.Replace(a.Handler());
  EXPECT_FALSE(chain.Restore(stranger.Handler()));
  EXPECT_FALSE(chain.Restore(original));
  EXPECT_EQ(Journal(chain), "AO");
  EXPECT_EQ(chain.Previous(original), TProbeEvent{});
  EXPECT_EQ(chain.Previous(stranger.Handler()), TProbeEvent{});
}

// The same handler installed twice is two links; each restore takes the latest one.
TEST(MethodChain, AHandlerReplacedTwiceIsUndoneOneLinkAtATime) {
  TProbeChain chain(TProbeEvent{&Original, nullptr});
  Link a{'A', &chain}, b{'B', &chain};
  chain.Replace(a.Handler());
  chain.Replace(b.Handler());
  chain.Replace(a.Handler());
  EXPECT_TRUE(chain.Restore(a.Handler()));
  EXPECT_EQ(Journal(chain), "BAO");
  EXPECT_TRUE(chain.Restore(a.Handler()));
  EXPECT_EQ(Journal(chain), "BO");
}

TEST(MethodChain, AnEmptyOriginalEndsTheChainQuietly) {
  TProbeChain chain;
  Link a{'A', &chain};
  EXPECT_EQ(Journal(chain), "");
  chain.Replace(a.Handler());
  EXPECT_EQ(Journal(chain), "A");
}

}  // namespace
}  // namespace ruzi
