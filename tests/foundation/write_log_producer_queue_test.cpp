// A producing thread's queue against a plain deque: random lines, some longer than a block,
// read in runs and released at random points, come back whole and in order, and a reader that
// stops without releasing reads the same lines again. Each round's pushes land after the
// reader last looked at the block's end, so a stale end must never hide a line.
#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <string>

#include "foundation/log_producer_queue.h"

namespace ruzi {
namespace {

TEST(WriteLogProducerQueue, MatchesADequeWhateverTheSizesAndReleases) {
  std::mt19937 random(23);
  LogProducerQueue queue(4321);
  std::deque<std::pair<std::string, std::string>> model;  // text, sub-name
  int pushed = 0;
  for (int round = 0; round < 150; ++round) {
    const int count = static_cast<int>(random() % 300);
    for (int i = 0; i < count; ++i) {
      // Mostly short lines; now and then one larger than a whole block.
      const size_t size = random() % 50 == 0 ? 70000 + random() % 100000 : random() % 300;
      std::string text(size, static_cast<char>('a' + pushed % 26));
      if (!text.empty()) text[0] = static_cast<char>('A' + pushed % 26);
      std::string sub = std::to_string(pushed % 7);
      queue.Push({.msg = text, .sub_name = sub, .level = pushed, .log_type = static_cast<TLogType>(pushed % kLogTypeCount),
                  .stamp = uint64_t{0x9e3779b97f4a7c15} * static_cast<uint64_t>(pushed)});
      model.emplace_back(std::move(text), std::move(sub));
      ++pushed;
    }
    // Read a run twice (the first reader stops without releasing), then release part of it.
    const size_t run = model.empty() ? 0 : random() % (model.size() + 1);
    LogProducerQueue::Cursor at = queue.Head();
    LogRecord record;
    for (int pass = 0; pass < 2; ++pass) {
      at = queue.Head();
      for (size_t i = 0; i < run; ++i) {
        ASSERT_TRUE(queue.Read(at, record));
        ASSERT_EQ(record.msg, model[i].first);
        ASSERT_EQ(record.sub_name, model[i].second);
        ASSERT_EQ(record.log_type, static_cast<TLogType>(record.level % kLogTypeCount));
        ASSERT_EQ(record.stamp, uint64_t{0x9e3779b97f4a7c15} * static_cast<uint64_t>(record.level));
        ASSERT_EQ(record.thread_id, 4321u);
      }
    }
    queue.Release(at);
    model.erase(model.begin(), model.begin() + static_cast<std::ptrdiff_t>(run));
    ASSERT_EQ(queue.Empty(), model.empty());
    ASSERT_EQ(queue.Pushed(), pushed);
    // What the writer's thread weighs before it sleeps: a count off by any line lets a wake's
    // worth of lines wait a whole period, or keeps the thread chasing single lines.
    ASSERT_EQ(queue.Waiting(), static_cast<int64_t>(model.size()));
  }
}

}  // namespace
}  // namespace ruzi
