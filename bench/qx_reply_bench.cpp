// A named-query reply page of 1e5 holdings rows (10 columns) decoded into a memory dataset,
// beside a bare TUnpack scan of the same packet that reads every cell once (goal: ours at
// least 0.5x the scan's speed, so "speed" = scan time over ours >= 0.5). Each iteration runs
// both; the fastest pass of each side counts. Thread CPU time, as the machine is shared.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "packets/pack.h"
#include "packets/unpack.h"
#include "query/qx_query_reply.h"

namespace {

constexpr int kRows = 100000;
const std::vector<std::string> kNames = {"l_row",      "l_fund_id", "vc_fund_code", "vc_stock_code",   "vc_stock_name",
                                         "vc_market", "en_quantity", "en_cost",    "en_market_value", "d_trade_date"};

double CpuNanos() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e9 + now.tv_nsec;
}

struct Reply {
  std::string packet, text;
};

const Reply& TheReply() {
  static const Reply reply = [] {
    ruzi::TPack pack(true);
    ruzi::TPackSection& section = pack.GetSection(0);
    section.SetRange(static_cast<int32_t>(kNames.size()), kRows);
    section.CreateFields(kNames);
    std::string nulls;
    for (int i = 1; i <= kRows; ++i) {
      section.AddRow({std::to_string(i), std::to_string(1 + i % 7), "00000" + std::to_string(1 + i % 7),
                      std::to_string(600000 + i % 100000), "stock " + std::to_string(i % 1000), i % 2 ? "SZ" : "SH",
                      std::to_string((i % 1000) * 100), std::to_string(i % 997) + ".25",
                      std::to_string(i % 100000) + ".5", "2026-01-05 00:00:00"});
      nulls += (nulls.empty() ? "" : ",") + std::string(kNames.size(), '0');
    }
    pack.CheckBuffer();
    Reply made;
    made.packet = std::string(pack.Text());
    made.text = "<ErrCode>0</ErrCode><ErrMsg></ErrMsg><l_count>" + std::to_string(kRows) +
                "</l_count><l_more>0</l_more><l_next_row>" + std::to_string(kRows) +
                "</l_next_row><vc_fields>l_row,3,4;l_fund_id,3,4;vc_fund_code,1,6;vc_stock_code,1,6;vc_stock_name,1,"
                "12;vc_market,1,2;en_quantity,6,8;en_cost,6,8;en_market_value,6,8;d_trade_date,11,8</vc_fields>"
                "<vc_nulls>" + nulls + "</vc_nulls><vc_data>" + made.packet + "</vc_data>";
    return made;
  }();
  return reply;
}

size_t Scan(const std::string& packet) {
  std::string copy = packet;
  ruzi::TUnpack unpack(false);
  unpack.Open(copy.data(), static_cast<int32_t>(copy.size()));
  ruzi::TUnpackSection& section = unpack.GetSection(0);
  size_t bytes = 0;
  for (section.First(); !section.Eof(); section.Next()) {
    for (int32_t c = 0; c < section.ColCount(); ++c) bytes += section.GetField(c).GetAsString().size();
    if (section.GetRecNo() == section.RowCount()) break;
  }
  return bytes;
}

int IntoDataSet(const std::string& text) {
  ruzi::QxReplyPage page = ruzi::DecodeQueryReply(text);
  ruzi::MemoryDataSet data_set;
  for (const ruzi::QxReplyField& field : page.Fields) data_set.GetFieldDefs().Add(field.Name, field.Type, field.Size);
  for (ruzi::PackedRow& row : page.Rows) data_set.AddRow(std::move(row));
  data_set.Open();
  return data_set.GetRecordCount();
}

void BM_ReplyPageIntoMemoryDataSet(benchmark::State& state) {
  const Reply& reply = TheReply();
  double ours_ns = 1e300, scan_ns = 1e300;
  int records = 0;
  for (auto _ : state) {
    double start = CpuNanos();
    records = IntoDataSet(reply.text);
    ours_ns = std::min(ours_ns, CpuNanos() - start);
    start = CpuNanos();
    benchmark::DoNotOptimize(Scan(reply.packet));
    scan_ns = std::min(scan_ns, CpuNanos() - start);
  }
  if (records != kRows) state.SkipWithError("rows lost");
  state.counters["ours_ms"] = ours_ns / 1e6;
  state.counters["scan_ms"] = scan_ns / 1e6;
  state.counters["speed"] = scan_ns / ours_ns;
}
BENCHMARK(BM_ReplyPageIntoMemoryDataSet)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
