#pragma once
// Workloads shared by the packet benchmark (native) and timing executable (Wine): a section
// packet of 20 columns whose values are 4 to 32 bytes (about 12 on average), a tagged text of
// 10,000 items, and the plain memchr split every packet figure is compared with.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <string_view>
#include <time.h>
#include <vector>

#include "packets/pack.h"
#include "packets/unpack.h"

namespace ruzi::bench {

inline constexpr int32_t kColumns = 20;

// CPU time of this thread: the machine is shared, and wall time would count other people's
// work against us. (Under Wine it ticks in 10 ms steps: time long runs only.)
inline double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Values kept in one pool so a 64 MB table does not cost millions of strings.
struct ValuePool {
  std::string bytes;
  std::vector<uint32_t> ends;  // value i is bytes[ends[i-1], ends[i])
  std::string_view Value(size_t i) const {
    const size_t begin = i == 0 ? 0 : ends[i - 1];
    return std::string_view(bytes).substr(begin, ends[i] - begin);
  }
  size_t Count() const { return ends.size(); }
};

// Rows of kColumns values until the packet reaches about `target_bytes`.
inline ValuePool MakeValues(size_t target_bytes) {
  std::mt19937 random(42);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  ValuePool pool;
  size_t packet_bytes = 17;
  while (packet_bytes < target_bytes) {
    for (int32_t c = 0; c < kColumns; ++c) {
      // Skewed towards short values: 4 + 29 * u^2.5 averages about 12 bytes.
      const size_t length = std::min<size_t>(32, 4 + static_cast<size_t>(29 * std::pow(unit(random), 2.5)));
      for (size_t i = 0; i < length; ++i) pool.bytes += static_cast<char>('a' + random() % 26);
      pool.ends.push_back(static_cast<uint32_t>(pool.bytes.size()));
      packet_bytes += length + 1;
    }
  }
  return pool;
}

inline std::string ColumnName(int32_t c) { return "col_" + std::to_string(c); }

// The packet writer at work: one section, 20 names, every value.
inline void BuildPacket(TPack& pack, const ValuePool& values) {
  TPackSection& section = pack.GetSection(0);
  section.SetRange(kColumns, static_cast<int32_t>(values.Count() / kColumns));
  for (int32_t c = 0; c < kColumns; ++c) section.AddField(ColumnName(c));
  for (size_t i = 0; i < values.Count(); ++i) section.AddValue(values.Value(i));
  pack.CheckBuffer();
}

// The reader at work: every field of every row; returns a checksum.
inline uint64_t ScanPacket(TUnpack& reader) {
  uint64_t sum = 0;
  TUnpackSection& section = reader.GetSection(0);
  for (section.First(); !section.Eof(); section.Next()) {
    for (int32_t c = 0; c < kColumns; ++c) sum += static_cast<unsigned char>(section.GetField(c).Text()[0]);
  }
  return sum;
}

// The reference: split the same bytes at every SOH with memchr, keeping each item's start.
inline size_t MemchrSplit(const char* text, size_t length, std::vector<const char*>& items) {
  items.clear();
  const char* at = text;
  const char* end = text + length;
  while (at < end) {
    const char* separator = static_cast<const char*>(std::memchr(at, '\x01', static_cast<size_t>(end - at)));
    if (separator == nullptr) break;
    items.push_back(at);
    at = separator + 1;
  }
  return items.size();
}

// About `target_bytes` of "<name>value</name>" items, `count` of them.
inline std::string MakeTaggedText(size_t count, size_t target_bytes) {
  std::mt19937 random(7);
  std::string text;
  const size_t value_bytes = target_bytes / count > 30 ? target_bytes / count - 30 : 1;
  for (size_t i = 0; i < count; ++i) {
    const std::string name = "field_" + std::to_string(i);
    std::string value(value_bytes, ' ');
    for (char& c : value) c = static_cast<char>('a' + random() % 26);
    text += "<" + name + ">" + value + "</" + name + ">";
  }
  return text;
}

}  // namespace ruzi::bench
