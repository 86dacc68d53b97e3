#pragma once
// The later pages of a query the server has run once: "qx_query" answers the first page and
// keeps the rest under a cursor number, which the same session's next calls take page by page.
// A cursor goes with its last page, with its session, or, oldest first, when more than
// kMaxCursors are kept. Any thread.
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <string>

namespace ruzi::mwd {

class KeptPages {
 public:
  static constexpr size_t kMaxCursors = 16;

  // A number no cursor has had.
  uint64_t NewCursor();
  void Keep(uint64_t cursor, uint32_t session, std::deque<std::string> pages);
  // The cursor's next page, for its own session only; nothing when there is none.
  std::optional<std::string> Next(uint64_t cursor, uint32_t session);
  void DropSession(uint32_t session);

 private:
  struct Entry {
    uint32_t session;
    std::deque<std::string> pages;
  };
  std::mutex lock_;
  std::map<uint64_t, Entry> entries_;  // by number, so the oldest is first
  uint64_t last_cursor_ = 0;
};

}  // namespace ruzi::mwd
