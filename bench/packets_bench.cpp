// Section packets: parse + full cursor scan and build of a 64 MB packet, each beside a plain
// memchr split of the same bytes in the same iterations ("x_memchr" = speed relative to it;
// goals: parse >= 0.5, build >= 0.3). Tagged texts: Parse and GetText of 1 MB, 10,000 items;
// Parse of hostile texts (goal: 1 MB in 50 ms or less): tags never closed, each a new name or
// all one name, and closing tags that never match.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "packets/tagged_package.h"
#include "packets_workload.h"

namespace ruzi::bench {
namespace {

constexpr size_t kPacketBytes = 64u << 20;

struct PacketData {
  ValuePool values = MakeValues(kPacketBytes);
  std::string packet;
  PacketData() {
    TPack pack(true);
    BuildPacket(pack, values);
    packet.assign(pack.Text());
  }
};

const PacketData& Data() {
  static const PacketData data;
  return data;
}

// Each iteration splits the packet with memchr, then times `work` (after `prepare`, untimed);
// "x_memchr" is the memchr time over the work's time, both summed over the same iterations.
template <typename Prepare, typename Work>
void MeasureBesideMemchr(benchmark::State& state, Prepare prepare, Work work) {
  const PacketData& data = Data();
  std::vector<const char*> items;
  items.reserve(data.values.Count() + kColumns + 2);
  double memchr_total = 0;
  double work_total = 0;
  for (auto _ : state) {
    prepare();
    const double start = ThreadSeconds();
    benchmark::DoNotOptimize(MemchrSplit(data.packet.data(), data.packet.size(), items));
    const double split = ThreadSeconds();
    work();
    const double end = ThreadSeconds();
    state.SetIterationTime(end - split);
    memchr_total += split - start;
    work_total += end - split;
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * data.packet.size()));
  state.counters["x_memchr"] = memchr_total / work_total;
  state.counters["memchr_MB/s"] =
      static_cast<double>(state.iterations() * data.packet.size()) / memchr_total / (1 << 20);
}

void BM_MemchrSplit(benchmark::State& state) {
  const PacketData& data = Data();
  std::vector<const char*> items;
  items.reserve(data.values.Count() + kColumns + 2);
  MeasureBesideMemchr(
      state, [] {}, [&] { benchmark::DoNotOptimize(MemchrSplit(data.packet.data(), data.packet.size(), items)); });
}
BENCHMARK(BM_MemchrSplit)->UseManualTime()->Unit(benchmark::kMillisecond);

// In place: the caller's bytes are parsed; they are restored before each run, untimed.
void BM_UnpackOpenScanInPlace(benchmark::State& state) {
  const PacketData& data = Data();
  std::string work = data.packet;
  TUnpack reader(false);
  MeasureBesideMemchr(
      state, [&] { std::memcpy(work.data(), data.packet.data(), data.packet.size()); },
      [&] {
        reader.Open(work.data(), static_cast<int32_t>(work.size()));
        benchmark::DoNotOptimize(ScanPacket(reader));
      });
}
BENCHMARK(BM_UnpackOpenScanInPlace)->UseManualTime()->Unit(benchmark::kMillisecond);

// Copying reader: the copy of the input is part of the figure.
void BM_UnpackOpenScanCopy(benchmark::State& state) {
  std::string input = Data().packet;
  TUnpack reader(true);
  MeasureBesideMemchr(
      state, [] {},
      [&] {
        reader.Open(input.data(), static_cast<int32_t>(input.size()));
        benchmark::DoNotOptimize(ScanPacket(reader));
      });
}
BENCHMARK(BM_UnpackOpenScanCopy)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PackBuild(benchmark::State& state) {
  MeasureBesideMemchr(
      state, [] {},
      [&] {
        TPack pack(true);
        BuildPacket(pack, Data().values);
        benchmark::DoNotOptimize(pack.Buffer());
      });
}
BENCHMARK(BM_PackBuild)->UseManualTime()->Unit(benchmark::kMillisecond);

constexpr size_t kTaggedItems = 10000;

const std::string& TaggedText() {
  static const std::string text = MakeTaggedText(kTaggedItems, 1u << 20);
  return text;
}

void BM_TqxPackageParse(benchmark::State& state) {
  const std::string& text = TaggedText();
  for (auto _ : state) {
    TqxPackage package(text);
    benchmark::DoNotOptimize(package.Count());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kTaggedItems));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TqxPackageParse)->Unit(benchmark::kMillisecond);

// The hostile shapes, `bytes` long: "<t000000>x<t000001>x…" (a new name every 10 bytes, never
// closed: 1 MB holds 104,858 tags), "<zz>x<zz>x…" (one name), and "<zz>x</zy></zy>…" (closing
// tags of another name).
std::string HostileText(int64_t shape, size_t bytes) {
  std::string text;
  text.reserve(bytes + 16);
  for (size_t i = 0; text.size() < bytes; ++i) {
    if (shape == 0) text += "<t" + std::string(6 - std::min<size_t>(6, std::to_string(i).size()), '0') + std::to_string(i) + ">x";
    else if (shape == 1) text += "<zz>x";
    else text += i % 8 == 0 ? "<zz>x" : "</zy>";
  }
  return text;
}

void BM_TqxPackageParseHostile(benchmark::State& state) {
  const std::string text = HostileText(state.range(0), static_cast<size_t>(state.range(1)));
  for (auto _ : state) {
    TqxPackage package(text);
    benchmark::DoNotOptimize(package.Count());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_TqxPackageParseHostile)
    ->ArgsProduct({{0, 1, 2}, {64 << 10, 256 << 10, 1 << 20}})
    ->ArgNames({"shape", "bytes"})
    ->Unit(benchmark::kMillisecond);

void BM_TqxPackageGetText(benchmark::State& state) {
  const TqxPackage package(TaggedText());
  for (auto _ : state) benchmark::DoNotOptimize(package.GetText());
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kTaggedItems));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * TaggedText().size()));
}
BENCHMARK(BM_TqxPackageGetText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruzi::bench

BENCHMARK_MAIN();
