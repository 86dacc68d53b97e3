// The packet figures under Wine: best of five runs of each operation in thread CPU time,
// MB/s or items/s, and the speed relative to a plain memchr split of the same bytes in the
// same run.
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "packets/tagged_package.h"
#include "packets_workload.h"

namespace {

using namespace ruzi;
using namespace ruzi::bench;

// Best of five runs of `repeat` calls, per call, in thread CPU time; `prepare` runs untimed
// before each call.
double BestSeconds(const std::function<void()>& prepare, const std::function<void()>& work, int repeat = 1) {
  double best = 0;
  for (int run = 0; run < 5; ++run) {
    double seconds = 0;
    for (int i = 0; i < repeat; ++i) {
      prepare();
      const double start = ThreadSeconds();
      work();
      seconds += ThreadSeconds() - start;
    }
    seconds /= repeat;
    if (run == 0 || seconds < best) best = seconds;
  }
  return best;
}

volatile uint64_t g_sink = 0;

}  // namespace

int main() {
  const ValuePool values = MakeValues(64u << 20);
  TPack built(true);
  BuildPacket(built, values);
  const std::string packet(built.Text());
  const double megabytes = static_cast<double>(packet.size()) / (1 << 20);
  std::vector<const char*> items;
  items.reserve(values.Count() + kColumns + 2);

  const auto nothing = [] {};
  const double memchr = BestSeconds(nothing, [&] { g_sink = MemchrSplit(packet.data(), packet.size(), items); }, 4);
  std::string work = packet;
  TUnpack reader(false);
  const double parse = BestSeconds([&] { std::memcpy(work.data(), packet.data(), packet.size()); },
                                   [&] {
                                     reader.Open(work.data(), static_cast<int32_t>(work.size()));
                                     g_sink = ScanPacket(reader);
                                   });
  const double build = BestSeconds(nothing, [&] {
    TPack pack(true);
    BuildPacket(pack, values);
    g_sink = static_cast<uint64_t>(pack.Size());
  });
  std::printf("section packet: %.1f MB, %d columns, %zu values\n", megabytes, kColumns, values.Count());
  std::printf("  memchr split        %8.1f ms  %8.1f MB/s  (reference)\n", memchr * 1e3, megabytes / memchr);
  std::printf("  parse + scan        %8.1f ms  %8.1f MB/s  %.2fx memchr (goal 0.5)\n", parse * 1e3,
              megabytes / parse, memchr / parse);
  std::printf("  build               %8.1f ms  %8.1f MB/s  %.2fx memchr (goal 0.3)\n", build * 1e3,
              megabytes / build, memchr / build);

  const size_t count = 10000;
  const std::string text = MakeTaggedText(count, 1u << 20);
  const double tagged_megabytes = static_cast<double>(text.size()) / (1 << 20);
  const double tagged_parse = BestSeconds(nothing, [&] {
    TqxPackage package(text);
    g_sink = static_cast<uint64_t>(package.Count());
  }, 20);
  const TqxPackage package(text);
  const double get_text = BestSeconds(nothing, [&] { g_sink = package.GetText().size(); }, 100);
  std::printf("tagged text: %.2f MB, %zu items\n", tagged_megabytes, count);
  std::printf("  Parse               %8.2f ms  %8.1f MB/s  %10.0f items/s\n", tagged_parse * 1e3,
              tagged_megabytes / tagged_parse, count / tagged_parse);
  std::printf("  GetText             %8.2f ms  %8.1f MB/s  %10.0f items/s\n", get_text * 1e3,
              tagged_megabytes / get_text, count / get_text);
  return 0;
}
