#include "foundation/method_chain.h"

#include <cstddef>

namespace ruzi {

TMethodChain::TMethodChain(TMethod original) : links_{original} {}

TMethod TMethodChain::Current() const { return links_.back(); }

TMethod TMethodChain::Original() const { return links_.front(); }

int TMethodChain::ReplacementCount() const { return static_cast<int>(links_.size()) - 1; }

void TMethodChain::Replace(TMethod handler) { links_.push_back(handler); }

bool TMethodChain::Restore(TMethod handler) {
  const int link = LatestLink(handler);
  if (link < 1) return false;
  links_.erase(links_.begin() + link);
  return true;
}

TMethod TMethodChain::Previous(TMethod handler) const {
  const int link = LatestLink(handler);
  if (link < 1) return TMethod{};
  return links_[static_cast<size_t>(link) - 1];
}

int TMethodChain::LatestLink(TMethod handler) const {
  for (int link = static_cast<int>(links_.size()) - 1; link >= 0; --link) {
    if (links_[static_cast<size_t>(link)] == handler) return link;
  }
  return -1;
}

}  // namespace ruzi
