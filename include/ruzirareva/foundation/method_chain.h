#pragma once
// A handler slot that several parties replace in turn, each passing on to what it replaced:
// a window procedure subclassed twice, an event hooked by two helpers. Each replacement is
// kept as its own link, so taking one out splices it from the chain whatever lies above it:
// two replacements restored in either order leave the original in place, and the one left
// still passes on to the original. Not thread-safe: a chain belongs to the thread of its owner.
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"

namespace ruzi {

class RUZI_API TMethodChain {
 public:
  explicit TMethodChain(TMethod original = {});

  // The handler callers reach: the latest replacement, else the original.
  TMethod Current() const;
  TMethod Original() const;
  // Replacements in place, the original not counted.
  int ReplacementCount() const;

  // `handler` goes on top; what it replaced becomes what it passes on to.
  void Replace(TMethod handler);
  // Takes the latest link of `handler` out of the chain; false when it is not a replacement.
  bool Restore(TMethod handler);
  // What `handler` passes on to now: the link under its latest one; empty when `handler` is
  // the original or not in the chain.
  TMethod Previous(TMethod handler) const;

 private:
  int LatestLink(TMethod handler) const;

  std::vector<TMethod> links_;  // [0] is the original
};

// The typed face of a chain, for one event signature.
template <typename... Args>
class TEventChain {
 public:
  using Handler = TEvent<Args...>;

  explicit TEventChain(Handler original = {}) : chain_(original.AsMethod()) {}

  Handler Current() const { return Handler::FromMethod(chain_.Current()); }
  int ReplacementCount() const { return chain_.ReplacementCount(); }
  void Replace(Handler handler) { chain_.Replace(handler.AsMethod()); }
  bool Restore(Handler handler) { return chain_.Restore(handler.AsMethod()); }
  Handler Previous(Handler handler) const { return Handler::FromMethod(chain_.Previous(handler.AsMethod())); }

  // Calls the current handler.
  void operator()(Args... args) const { Current()(std::forward<Args>(args)...); }
  // Calls what `self` passes on to (the "inherited" call from inside a replacement).
  void CallPrevious(Handler self, Args... args) const { Previous(self)(std::forward<Args>(args)...); }

 private:
  TMethodChain chain_;
};

}  // namespace ruzi
