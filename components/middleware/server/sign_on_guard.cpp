#include "sign_on_guard.h"

#include <algorithm>

namespace ruzi::mwd {
namespace {

constexpr auto kFirstWait = std::chrono::milliseconds(100);
constexpr auto kLongestWait = std::chrono::milliseconds(5000);
// Addresses remembered at most; the oldest-blocked entries go first beyond it.
constexpr size_t kMostPeers = 4096;

}  // namespace

bool SignOnGuard::Blocked(const std::string& peer) {
  std::lock_guard<std::mutex> guard(lock_);
  auto it = peers_.find(peer);
  return it != peers_.end() && Clock::now() < it->second.until;
}

std::chrono::milliseconds SignOnGuard::Failed(const std::string& peer) {
  std::lock_guard<std::mutex> guard(lock_);
  if (peers_.size() >= kMostPeers && peers_.find(peer) == peers_.end()) {
    auto now = Clock::now();
    std::erase_if(peers_, [&](const auto& entry) { return entry.second.until < now; });
    if (peers_.size() >= kMostPeers) peers_.erase(peers_.begin());
  }
  Failures& failures = peers_[peer];
  failures.count = std::min(failures.count + 1, 16);
  auto wait = std::min<std::chrono::milliseconds>(kFirstWait * (1 << (failures.count - 1)), kLongestWait);
  failures.until = Clock::now() + wait;
  return wait;
}

void SignOnGuard::Succeeded(const std::string& peer) {
  std::lock_guard<std::mutex> guard(lock_);
  peers_.erase(peer);
}

}  // namespace ruzi::mwd
