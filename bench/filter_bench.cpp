// A parsed filter over 1e6 records held as texts, beside a hand-written loop that answers the
// same question on the same texts (goal: under 0.2 s for the 1e6 records, and within 3x the
// loop). Each iteration runs ours and then the loop; "ours_ms" and "loop_ms" are each side's
// fastest pass, "ratio" ours over the loop's (goal: at most 3), "passed" the rows that passed
// (the same on both sides, or the case fails). Thread CPU time, as the machine is shared. A third case filters a MemoryDataSet of the same records through its fields.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "query/memory_data_set.h"
#include "query/qx_expr_parser.h"
#include "query/qx_filter_eval.h"

namespace {

constexpr int kRecords = 1000000;
// An integer, a prefix and a float, in the order a loop written by hand tests them.
const char* const kFilter = "QTY > 500 and CODE = '600*' and PRICE < 20.5";

double CpuNanos() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e9 + now.tv_nsec;
}

struct Records {
  std::vector<std::string> code, qty, price;
};

const Records& TheRecords() {
  static const Records records = [] {
    Records made;
    std::mt19937 random(7);
    for (int i = 0; i < kRecords; ++i) {
      made.code.push_back((random() % 2 ? "600" : "000") + std::to_string(100 + random() % 900));
      made.qty.push_back(std::to_string(random() % 1000));
      made.price.push_back(std::to_string(random() % 4000 / 100) + "." + std::to_string(10 + random() % 90));
    }
    return made;
  }();
  return records;
}

const std::vector<ruzi::TQxFieldInfo> kFields = {
    {"CODE", ruzi::ftString}, {"QTY", ruzi::ftInteger}, {"PRICE", ruzi::ftFloat}};

class RecordRow : public ruzi::TQxRowReader {
 public:
  explicit RecordRow(const Records& records) : records_(records) {}
  void At(size_t index) { index_ = index; }
  std::optional<std::string_view> FieldText(int field) const override {
    switch (field) {
      case 0: return std::string_view(records_.code[index_]);
      case 1: return std::string_view(records_.qty[index_]);
      default: return std::string_view(records_.price[index_]);
    }
  }

 private:
  const Records& records_;
  size_t index_ = 0;
};

int ByHand(const Records& records) {
  int passed = 0;
  for (size_t i = 0; i < records.code.size(); ++i) {
    const std::string& qty_text = records.qty[i];
    long qty = 0;
    std::from_chars(qty_text.data(), qty_text.data() + qty_text.size(), qty);
    if (qty <= 500) continue;
    if (std::string_view(records.code[i]).substr(0, 3) != "600") continue;
    if (std::strtod(records.price[i].c_str(), nullptr) >= 20.5) continue;
    ++passed;
  }
  return passed;
}

// Times `ours` and the loop by turns, each pass once per benchmark iteration, and keeps the
// fastest pass of each side: on a shared machine the least disturbed pass is the truest.
template <typename Ours>
void Compare(benchmark::State& state, Ours ours) {
  const Records& records = TheRecords();
  const int expected = ByHand(records);
  double ours_ns = 1e300, loop_ns = 1e300;
  int passed = 0, loop_passed = 0;
  for (auto _ : state) {
    double start = CpuNanos();
    passed = ours();
    ours_ns = std::min(ours_ns, CpuNanos() - start);
    start = CpuNanos();
    loop_passed = ByHand(records);
    loop_ns = std::min(loop_ns, CpuNanos() - start);
  }
  if (passed != expected || loop_passed != expected) state.SkipWithError("the two sides disagree");
  state.counters["ours_ms"] = ours_ns / 1e6;
  state.counters["loop_ms"] = loop_ns / 1e6;
  state.counters["ratio"] = ours_ns / loop_ns;
  state.counters["passed"] = passed;
}

void BM_ParsedFilterOverTexts(benchmark::State& state) {
  const Records& records = TheRecords();
  const ruzi::TQxExprParser parser(kFields, kFilter, 0);
  RecordRow row(records);
  Compare(state, [&] {
    int passed = 0;
    for (size_t i = 0; i < records.code.size(); ++i) {
      row.At(i);
      passed += ruzi::EvaluateFilter(parser, row) ? 1 : 0;
    }
    return passed;
  });
}
BENCHMARK(BM_ParsedFilterOverTexts)->Unit(benchmark::kMillisecond)->Iterations(7);

void BM_FilteredMemoryDataSet(benchmark::State& state) {
  const Records& records = TheRecords();
  ruzi::MemoryDataSet data_set;
  data_set.GetFieldDefs().Add("CODE", ruzi::ftString, 6);
  data_set.GetFieldDefs().Add("QTY", ruzi::ftInteger);
  data_set.GetFieldDefs().Add("PRICE", ruzi::ftFloat);
  for (size_t i = 0; i < records.code.size(); ++i) data_set.AddRow({records.code[i], records.qty[i], records.price[i]});
  data_set.Open();
  data_set.SetFilterText(kFilter);
  Compare(state, [&] {
    data_set.SetFiltered(false);
    data_set.SetFiltered(true);
    int passed = 0;
    for (data_set.First(); !data_set.GetEof(); data_set.Next()) ++passed;
    return passed;
  });
}
BENCHMARK(BM_FilteredMemoryDataSet)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
