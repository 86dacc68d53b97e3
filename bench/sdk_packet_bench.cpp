// SDK packets: build and read 200,000 rows of an order-like table (6 fields) through the
// packer and reader objects as callers use them (put per value, read by field name), in
// both versions. Reference, in the same run: the section packet (TPack/TUnpack) holding
// the same rows; "x_section" is its time over ours (above 1: we are faster).
#include <benchmark/benchmark.h>

#include <charconv>
#include <string>
#include <vector>

#include "packets/pack.h"
#include "packets/unpack.h"
#include "packets_workload.h"
#include "sdk_packer.h"
#include "sdk_unpacker.h"

namespace ruzi::bench {
namespace {

constexpr size_t kRows = 200000;

struct Order {
  int32_t fund;
  std::string code;
  double price;
  char direction;
  std::string name;
  int32_t amount;
};

const std::vector<Order>& Orders() {
  static const std::vector<Order> orders = [] {
    std::vector<Order> rows;
    rows.reserve(kRows);
    const std::string names[] = {"红利精选组合", "稳健增长一号", "沪深300指数增强", "短债"};
    for (size_t i = 0; i < kRows; ++i) {
      rows.push_back(Order{static_cast<int32_t>(1000 + i % 37), std::to_string(600000 + i % 5000),
                           10.0 + static_cast<double>(i % 1000) / 100.0, i % 2 ? 'B' : 'S', names[i % 4],
                           static_cast<int32_t>(100 * (i % 97))});
    }
    return rows;
  }();
  return orders;
}

sdk::SdkPacker* BuildSdk(int version) {
  auto* packer = new sdk::SdkPacker(version);
  packer->StartPack();
  packer->DefineField("l_fund_id", 'I', 10, 0);
  packer->DefineField("vc_stock_code", 'S', 16, 0);
  packer->DefineField("en_price", 'F', 12, 3);
  packer->DefineField("c_direction", 'C', 1, 0);
  packer->DefineField("vc_fund_name", 'S', 64, 0);
  packer->DefineField("l_amount", 'I', 10, 0);
  for (const Order& order : Orders()) {
    packer->PutInt(order.fund);
    packer->PutStr(order.code.c_str());
    packer->PutDouble(order.price);
    packer->PutChar(order.direction);
    packer->PutStr(order.name.c_str());
    packer->PutInt(order.amount);
  }
  packer->FinishPack();
  return packer;
}

double ReadSdk(sdk::IF2UnPacker* reader) {
  double sum = 0;
  for (reader->GoFirst(); !reader->IsEof(); reader->NextRow()) {
    sum += reader->IntByName("l_fund_id") + reader->StrByName("vc_stock_code")[0] + reader->DoubleByName("en_price") +
           reader->CharByName("c_direction") + reader->StrByName("vc_fund_name")[0] + reader->IntByName("l_amount");
  }
  return sum;
}

std::string BuildSection() {
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(6, static_cast<int32_t>(kRows));
  for (const char* name : {"l_fund_id", "vc_stock_code", "en_price", "c_direction", "vc_fund_name", "l_amount"}) {
    section.AddField(name);
  }
  char number[32];
  auto text = [&](auto value) { return std::string(number, std::to_chars(number, number + sizeof number, value).ptr); };
  for (const Order& order : Orders()) {
    section.AddValue(text(order.fund));
    section.AddValue(order.code);
    section.AddValue(text(order.price));
    section.AddValue(std::string(1, order.direction));
    section.AddValue(order.name);
    section.AddValue(text(order.amount));
  }
  return std::string(pack.Text());
}

double ReadSection(TUnpack& reader) {
  double sum = 0;
  TUnpackSection& section = reader.GetSection(0);
  for (section.First(); !section.Eof(); section.Next()) {
    sum += section.FieldByName("l_fund_id").GetAsInteger() + section.FieldByName("vc_stock_code").Text()[0] +
           section.FieldByName("en_price").GetAsFloat() + section.FieldByName("c_direction").Text()[0] +
           section.FieldByName("vc_fund_name").Text()[0] + section.FieldByName("l_amount").GetAsInteger();
  }
  return sum;
}

// Times `ours` and the section packet's `reference` in alternation over the same iterations,
// in this thread's CPU time (the machine is shared).
template <typename Ours, typename Reference>
void Measure(benchmark::State& state, size_t bytes, Ours ours, Reference reference) {
  double ours_total = 0;
  double reference_total = 0;
  for (auto _ : state) {
    const double start = ThreadSeconds();
    ours();
    const double middle = ThreadSeconds();
    reference();
    const double end = ThreadSeconds();
    state.SetIterationTime(middle - start);
    ours_total += middle - start;
    reference_total += end - middle;
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * kRows));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["x_section"] = reference_total / ours_total;
}

void BM_SdkBuild(benchmark::State& state) {
  const int version = static_cast<int>(state.range(0));
  sdk::SdkPacker* sample = BuildSdk(version);
  const size_t bytes = static_cast<size_t>(sample->PackLength());
  sample->Release();
  Measure(
      state, bytes,
      [&] {
        sdk::SdkPacker* packer = BuildSdk(version);
        benchmark::DoNotOptimize(packer->PackBuffer());
        packer->Release();
      },
      [] { benchmark::DoNotOptimize(BuildSection()); });
}
BENCHMARK(BM_SdkBuild)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_SdkRead(benchmark::State& state) {
  const int version = static_cast<int>(state.range(0));
  sdk::SdkPacker* packer = BuildSdk(version);
  const std::string section_text = BuildSection();
  std::string section_work = section_text;
  TUnpack section_reader(false);
  Measure(
      state, static_cast<size_t>(packer->PackLength()),
      [&] {
        sdk::SdkUnPacker* reader =
            sdk::SdkUnPacker::OverBuffer(packer->PackBuffer(), static_cast<uint32_t>(packer->PackLength()), version);
        benchmark::DoNotOptimize(ReadSdk(reader));
        reader->Release();
      },
      [&] {
        section_work = section_text;  // the in-place reader writes NULs into its input
        section_reader.Open(section_work.data(), static_cast<int32_t>(section_work.size()));
        benchmark::DoNotOptimize(ReadSection(section_reader));
      });
  packer->Release();
}
BENCHMARK(BM_SdkRead)->Arg(1)->Arg(2)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace ruzi::bench

BENCHMARK_MAIN();
