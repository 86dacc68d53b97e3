#include "kept_pages.h"

namespace ruzi::mwd {

uint64_t KeptPages::NewCursor() {
  std::lock_guard<std::mutex> guard(lock_);
  return ++last_cursor_;
}

void KeptPages::Keep(uint64_t cursor, uint32_t session, std::deque<std::string> pages) {
  if (pages.empty()) return;
  std::lock_guard<std::mutex> guard(lock_);
  entries_[cursor] = Entry{session, std::move(pages)};
  while (entries_.size() > kMaxCursors) entries_.erase(entries_.begin());
}

std::optional<std::string> KeptPages::Next(uint64_t cursor, uint32_t session) {
  std::lock_guard<std::mutex> guard(lock_);
  const auto found = entries_.find(cursor);
  if (found == entries_.end() || found->second.session != session) return std::nullopt;
  std::string page = std::move(found->second.pages.front());
  found->second.pages.pop_front();
  if (found->second.pages.empty()) entries_.erase(found);
  return page;
}

void KeptPages::DropSession(uint32_t session) {
  std::lock_guard<std::mutex> guard(lock_);
  std::erase_if(entries_, [session](const auto& entry) { return entry.second.session == session; });
}

}  // namespace ruzi::mwd
