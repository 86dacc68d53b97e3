#pragma once
// The later pages of a query the server has run once: "qx_query" answers the first page and
// keeps the rest under a cursor number, which the next calls take page by page. A client that
// connects per call signs on anew for each page, so a cursor belongs to no session: its number
// is drawn at random, so that nobody comes upon another's pages by counting. A cursor goes
// with its last page, when unused for kIdleLimit, or, oldest first, when more than kMaxCursors
// are kept. Any thread.
#include <chrono>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <random>
#include <string>

namespace ruzi::mwd {

class KeptPages {
 public:
  static constexpr size_t kMaxCursors = 16;
  static constexpr std::chrono::minutes kIdleLimit{5};

  KeptPages();
  // A number no kept cursor has (never 0).
  uint64_t NewCursor();
  void Keep(uint64_t cursor, std::deque<std::string> pages);
  // The cursor's next page; nothing when there is none.
  std::optional<std::string> Next(uint64_t cursor);

 private:
  using Clock = std::chrono::steady_clock;
  struct Entry {
    uint64_t order;  // when kept, for dropping the oldest
    Clock::time_point used;
    std::deque<std::string> pages;
  };
  void DropStale();

  std::mutex lock_;
  std::mt19937_64 random_;
  std::map<uint64_t, Entry> entries_;
  uint64_t kept_ = 0;
};

}  // namespace ruzi::mwd
