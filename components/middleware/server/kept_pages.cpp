#include "kept_pages.h"

#include <algorithm>

namespace ruzi::mwd {

KeptPages::KeptPages() : random_(std::random_device{}()) {}

uint64_t KeptPages::NewCursor() {
  std::lock_guard<std::mutex> guard(lock_);
  for (;;) {
    // Positive as a signed 64-bit number: the request carries it as one.
    const uint64_t cursor = random_() >> 1;
    if (cursor != 0 && entries_.count(cursor) == 0) return cursor;
  }
}

void KeptPages::Keep(uint64_t cursor, std::deque<std::string> pages) {
  if (pages.empty()) return;
  std::lock_guard<std::mutex> guard(lock_);
  entries_[cursor] = Entry{++kept_, Clock::now(), std::move(pages)};
  DropStale();
}

std::optional<std::string> KeptPages::Next(uint64_t cursor) {
  std::lock_guard<std::mutex> guard(lock_);
  DropStale();
  const auto found = entries_.find(cursor);
  if (found == entries_.end()) return std::nullopt;
  std::string page = std::move(found->second.pages.front());
  found->second.pages.pop_front();
  found->second.used = Clock::now();
  if (found->second.pages.empty()) entries_.erase(found);
  return page;
}

void KeptPages::DropStale() {
  const Clock::time_point now = Clock::now();
  std::erase_if(entries_, [now](const auto& entry) { return now - entry.second.used > kIdleLimit; });
  while (entries_.size() > kMaxCursors) {
    const auto oldest = std::min_element(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
      return a.second.order < b.second.order;
    });
    entries_.erase(oldest);
  }
}

}  // namespace ruzi::mwd
