// The data tree at 1e6 data rows of 10 columns in three shapes (1000 groups of 1000; 100 x 100
// groups of 100; 90 % of the rows in one group), beside Qt 5's item models in the same run:
// building (QStandardItemModel of 1,000 x 1,000 cells), sorting by a number and by a text
// (QSortFilterProxyModel over 1e6 rows), filtering and clearing (the proxy at 1e5 rows). Ours is
// timed in the benchmark loop; the reference once, its time per operation in the counter
// "qt_ms" and "ratio" its time over ours (above 1: ours is faster). Both in thread CPU time,
// like the CPU column. The build case also reports the bytes the tree keeps per data row
// before any cell is read, and the process's first build apart. The sums and removal cases
// have no Qt counterpart; beside the totals from the source, the same cells read and parsed
// with no tree give their floor.
// Without Qt 5 (qtbase5-dev) the benchmark runs our side alone and says so.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "counting_allocator.h"
#include "foundation/plain_decimal.h"
#include "foundation/string_to_number.h"
#include "query/memory_data_set.h"
#include "treedata/filtered_data_tree.h"

#ifdef RUZI_HAVE_QT
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#endif

namespace {

using namespace ruzi;

double CpuNanos() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e9 + now.tv_nsec;
}

constexpr int kRows = 1000000;
enum Shape { kGroups, kThreeLevels, kOneBigGroup };
const char* const kShapeNames[] = {"1000 groups", "100x100 groups", "90% in one group"};

struct ColumnSpec {
  const char* name;
  TFieldType type;
  TColFieldGroupType group;
};
const ColumnSpec kColumns[] = {{"CODE", ftString, GTMix},  {"MARKET", ftString, GTChk}, {"QTY", ftInteger, GTSum},
                               {"PRICE", ftFloat, GTAvg},  {"AMT", ftFloat, GTSum},     {"COST", ftFloat, GTSum},
                               {"HI", ftFloat, GTMax},     {"LO", ftFloat, GTMin},      {"RATE", ftFloat, GTAvg}};

// The source query (shared by every case: 1e6 rows take seconds to make) and the columns.
struct Source {
  MemoryDataSet query;
  MemoryDataSet columns;
  std::vector<std::string> codes;  // each row's CODE, for the reference models
  std::vector<double> prices;
};

Source& TheSource(int rows) {
  static std::map<int, std::unique_ptr<Source>> sources;
  auto& source = sources[rows];
  if (source) return *source;
  source = std::make_unique<Source>();
  source->columns.GetFieldDefs().Add("NAME", ftString, 20);
  for (const ColumnSpec& column : kColumns) {
    source->columns.GetFieldDefs().Add(column.name, column.type, column.type == ftString ? 12 : 0);
    source->query.GetFieldDefs().Add(column.name, column.type, column.type == ftString ? 12 : 0);
  }
  source->columns.Open();
  std::mt19937 rng(7);
  for (int r = 0; r < rows; ++r) {
    const auto qty = static_cast<int>(rng() % 1000);
    const double price = static_cast<double>(rng() % 100000) / 100;
    std::string code = std::to_string(600000 + rng() % 400000);
    source->codes.push_back(code);
    source->prices.push_back(price);
    source->query.AddRow({code, std::string(rng() % 2 ? "SH" : "SZ"), std::to_string(qty), std::to_string(price),
                          std::to_string(qty * price), std::to_string(price * 0.9), std::to_string(price + 1),
                          std::to_string(price - 1), std::to_string((rng() % 1000) / 1000.0)});
  }
  source->query.Open();
  return *source;
}

struct BuildPlan {
  Shape shape;
  int rows;
};

// Binds every source record under its group of the shape.
void BuildShape(void* data, TDBTreeNode* tree) {
  const auto* plan = static_cast<const BuildPlan*>(data);
  auto bind = [&](TsnTreeNode* parent, int32_t rec) { tree->BindStock(parent, "S", -1, {}, '1', rec); };
  int32_t rec = 1;
  switch (plan->shape) {
    case kGroups:
      for (int g = 0; g < 1000; ++g) {
        TsnTreeNode* group = tree->AppendChild(nullptr, "G", -1, true, false).Node;
        for (int r = 0; r < plan->rows / 1000; ++r) bind(group, rec++);
      }
      break;
    case kThreeLevels:
      for (int a = 0; a < 100; ++a) {
        TsnTreeNode* top = tree->AppendChild(nullptr, "A", -1, true, false).Node;
        for (int b = 0; b < 100; ++b) {
          TsnTreeNode* group = tree->AppendChild(top, "B", -1, true, false).Node;
          for (int r = 0; r < plan->rows / 10000; ++r) bind(group, rec++);
        }
      }
      break;
    case kOneBigGroup: {
      TsnTreeNode* big = tree->AppendChild(nullptr, "BIG", -1, true, false).Node;
      for (int r = 0; r < plan->rows * 9 / 10; ++r) bind(big, rec++);
      for (int g = 1; g < 1000 && rec <= plan->rows; ++g) {
        TsnTreeNode* group = tree->AppendChild(nullptr, "G", -1, true, false).Node;
        for (int r = 0; r < plan->rows / 10 / 999 && rec <= plan->rows; ++r) bind(group, rec++);
      }
      break;
    }
  }
}

void GroupTypes(void*, const std::string& name, TColFieldGroupType& type) {
  for (const ColumnSpec& column : kColumns) {
    if (name == column.name) type = column.group;
  }
}

// A tree over the source, built and expanded, with no cell read.
std::unique_ptr<FilteredDataTree> NewTree(Source& source, BuildPlan& plan) {
  auto tree = std::make_unique<FilteredDataTree>();
  tree->SetDefaultExpanded(efExpand);
  tree->SetFieldOperType(cmGetCreate);
  tree->SetDataSet(&source.columns);
  tree->SetStockQry(&source.query);
  tree->OnGetFieldGroupType = TGetFieldGroupType{&GroupTypes, nullptr};
  tree->BeginBuildTree = TBeginBuildTree{&BuildShape, &plan};
  tree->ParseDbDatas();
  return tree;
}

void ReadColumn(TDBTreeNode& tree, DataField* field) {
  tree.BeginCalAllRow(TRowProc{[](void* data, TTreeRowData* row) {
                                 auto* f = static_cast<DataField*>(data);
                                 auto* tree = static_cast<TDBTreeNode*>(row->GetNode()->GetTopNode());
                                 benchmark::DoNotOptimize(tree->GetCellValue(row->GetNode(), f));
                               },
                               field});
}

// Every sibling list in a random order again, so each sort starts from unsorted rows.
void Shuffle(TsnTreeNode* node, std::mt19937& rng) {
  std::vector<TsnTreeNode*> children;
  for (int32_t i = 0; i < node->GetCount(); ++i) children.push_back(node->GetItem(i));
  std::shuffle(children.begin(), children.end(), rng);
  node->ReorderChildren(children);
  for (TsnTreeNode* child : children) {
    if (child->HasChild()) Shuffle(child, rng);
  }
}

void Report(benchmark::State& state, double qt_ns, double ours_ns) {
  if (qt_ns <= 0) return;
  state.counters["qt_ms"] = qt_ns / 1e6;
  state.counters["ratio"] = qt_ns / ours_ns;
}

// --- the reference ---

#ifdef RUZI_HAVE_QT
double QtBuildNanos() {
  static double nanos = 0;
  if (nanos > 0) return nanos;
  const double start = CpuNanos();
  {
    QStandardItemModel model(1000, 1000);
    for (int r = 0; r < 1000; ++r) {
      for (int c = 0; c < 1000; ++c) model.setItem(r, c, new QStandardItem(QString::number(r * 1000 + c)));
    }
    nanos = CpuNanos() - start;
  }
  return nanos;
}

// The source's codes and prices in a two-column model, sorted through a proxy.
double QtSortNanos(int column) {
  static std::map<int, double> nanos;
  if (nanos.count(column)) return nanos[column];
  Source& source = TheSource(kRows);
  QStandardItemModel model(kRows, 2);
  for (int r = 0; r < kRows; ++r) {
    auto* price = new QStandardItem;
    price->setData(source.prices[r], Qt::DisplayRole);
    model.setItem(r, 0, price);
    model.setItem(r, 1, new QStandardItem(QString::fromLatin1(source.codes[r].c_str())));
  }
  QSortFilterProxyModel proxy;
  proxy.setSourceModel(&model);
  const double start = CpuNanos();
  proxy.sort(column);
  return nanos[column] = CpuNanos() - start;
}

// Rows whose number passes, as a proxy filter; cleared by turning it off.
class NumberFilter : public QSortFilterProxyModel {
 public:
  bool active = false;
  void Refilter() { invalidateFilter(); }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
    return !active || sourceModel()->index(row, 0, parent).data().toInt() > 500;
  }
};

void QtFilterNanos(int rows, double* filter, double* clear) {
  QStandardItemModel model(rows, 1);
  std::mt19937 rng(7);
  for (int r = 0; r < rows; ++r) {
    auto* item = new QStandardItem;
    item->setData(static_cast<int>(rng() % 1000), Qt::DisplayRole);
    model.setItem(r, 0, item);
  }
  NumberFilter proxy;
  proxy.setSourceModel(&model);
  benchmark::DoNotOptimize(proxy.rowCount());  // the proxy maps its rows when first asked
  proxy.active = true;
  double start = CpuNanos();
  proxy.Refilter();
  benchmark::DoNotOptimize(proxy.rowCount());
  *filter = CpuNanos() - start;
  proxy.active = false;
  start = CpuNanos();
  proxy.Refilter();
  benchmark::DoNotOptimize(proxy.rowCount());
  *clear = CpuNanos() - start;
}
#else
double QtBuildNanos() { return 0; }
double QtSortNanos(int) { return 0; }
void QtFilterNanos(int, double* filter, double* clear) { *filter = *clear = 0; }
#endif

// --- ours ---

void BM_Build(benchmark::State& state) {
  Source& source = TheSource(kRows);
  BuildPlan plan{static_cast<Shape>(state.range(0)), kRows};
  // The first build of a process also pays for the pages it takes from the system (on a
  // virtual machine, for the host's first touch of them too): reported apart.
  const double first = CpuNanos();
  NewTree(source, plan).reset();
  state.counters["first_build_ms"] = (CpuNanos() - first) / 1e6;
  double total = 0;
  double bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    const size_t before = ruzi::bench::HeldBytes();
    state.ResumeTiming();
    const double start = CpuNanos();
    auto tree = NewTree(source, plan);
    total += CpuNanos() - start;
    state.PauseTiming();
    bytes = static_cast<double>(ruzi::bench::HeldBytes() - before) / kRows;
    tree.reset();
    state.ResumeTiming();
  }
  state.SetLabel(kShapeNames[state.range(0)]);
  state.counters["bytes_per_row"] = bytes;
  Report(state, QtBuildNanos(), total / static_cast<double>(state.iterations()));
}

void BM_Sort(benchmark::State& state) {
  Source& source = TheSource(kRows);
  BuildPlan plan{static_cast<Shape>(state.range(0)), kRows};
  auto tree = NewTree(source, plan);
  const bool byText = state.range(1) != 0;
  const char* column = byText ? "CODE" : "PRICE";
  ReadColumn(*tree, source.columns.FieldByName(column));
  tree->AppendSort(column, true);
  std::mt19937 rng(11);
  double total = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Shuffle(tree.get(), rng);
    state.ResumeTiming();
    const double start = CpuNanos();
    tree->reSort();
    total += CpuNanos() - start;
  }
  state.SetLabel(std::string(kShapeNames[state.range(0)]) + (byText ? ", by text" : ", by number"));
  Report(state, QtSortNanos(byText ? 1 : 0), total / static_cast<double>(state.iterations()));
}

void BM_Filter(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(1));
  Source& source = TheSource(rows);
  BuildPlan plan{kGroups, rows};
  auto tree = NewTree(source, plan);
  ReadColumn(*tree, source.columns.FieldByName("QTY"));
  const bool clearing = state.range(0) != 0;
  double total = 0;
  for (auto _ : state) {
    if (clearing) {
      state.PauseTiming();
      tree->ActivateFilters("QTY > 500", 0);
      state.ResumeTiming();
    }
    const double start = CpuNanos();
    if (clearing) {
      tree->DeactivateFilters();
    } else {
      tree->ActivateFilters("QTY > 500", 0);
    }
    total += CpuNanos() - start;
    if (!clearing) {
      state.PauseTiming();
      tree->DeactivateFilters();
      state.ResumeTiming();
    }
  }
  state.SetLabel(std::string(clearing ? "clear" : "filter") + " at " + std::to_string(rows));
  double filter = 0, clear = 0;
  if (rows <= 100000) QtFilterNanos(rows, &filter, &clear);
  Report(state, clearing ? clear : filter, total / static_cast<double>(state.iterations()));
}

// Every group's total of every numeric column; range(0) 1: the data cells read before.
void BM_Sums(benchmark::State& state) {
  Source& source = TheSource(kRows);
  BuildPlan plan{kGroups, kRows};
  auto tree = NewTree(source, plan);
  std::vector<DataField*> fields;
  for (const ColumnSpec& column : kColumns) {
    if (column.type != ftString) fields.push_back(source.columns.FieldByName(column.name));
  }
  const bool cellsRead = state.range(0) != 0;
  // Every total to be worked out again; with cellsRead, every data cell read beforehand.
  const auto prepare = [&] {
    tree->BeginCalAllRow(TRowProc{[](void* data, TTreeRowData* row) {
                                    if (row->GetIsGroup() || !*static_cast<bool*>(data)) row->ResetFieldValue();
                                  },
                                  const_cast<bool*>(&cellsRead)});
    if (!cellsRead) return;
    for (DataField* field : fields) ReadColumn(*tree, field);
    tree->BeginCalAllRow(TRowProc{[](void*, TTreeRowData* row) {
                                    if (row->GetIsGroup()) row->ReStatFieldValue();
                                  },
                                  nullptr});
  };
  const auto totals = [&] {
    for (DataField* field : fields) benchmark::DoNotOptimize(tree->GetRooterValue(field));
  };
  // A tree's first pass from the source also gives every data row its block of slots:
  // reported apart, on a second tree, what a new result set costs. The first tree of the
  // process takes those pages from the system (on a virtual machine, touched by the host the
  // first time too), as the first build does: reported apart again.
  const auto firstPassMs = [&] {
    prepare();
    const double start = CpuNanos();
    totals();
    return (CpuNanos() - start) / 1e6;
  };
  state.counters["process_first_pass_ms"] = firstPassMs();
  tree.reset();
  tree = NewTree(source, plan);
  state.counters["first_pass_ms"] = firstPassMs();
  for (auto _ : state) {
    state.PauseTiming();
    prepare();
    state.ResumeTiming();
    totals();
  }
  state.SetLabel(std::string(cellsRead ? "cells read" : "cells read from the source") + ", " +
                 std::to_string(fields.size()) + " columns");
}

// The floor under the totals from the source: the same 7e6 cells read where they lie and turned
// into numbers, into a flat array, with no tree.
void BM_SourceCellsAlone(benchmark::State& state) {
  Source& source = TheSource(kRows);
  std::vector<int> columns;
  for (const ColumnSpec& column : kColumns) {
    if (column.type != ftString) columns.push_back(source.query.FieldByName(column.name)->Index());
  }
  std::vector<double> numbers(static_cast<size_t>(kRows) * columns.size());
  for (auto _ : state) {
    double* out = numbers.data();
    for (int rec = 1; rec <= kRows; ++rec) {
      source.query.PrefetchRecord(rec + 4);
      const PackedRow* cells = source.query.RecordCells(rec);
      for (int column : columns) {
        std::string_view text;
        double& number = *out++;
        if (cells->ReadCell(static_cast<size_t>(column), text) && !PlainDecimal(text, number)) {
          number = TryStrToFloat(text).value_or(0);
        }
      }
    }
    benchmark::DoNotOptimize(numbers.data());
  }
  state.SetLabel(std::to_string(columns.size()) + " columns read and parsed, no tree");
}

void BM_RemoveTreeStock(benchmark::State& state) {
  Source& source = TheSource(kRows);
  BuildPlan plan{static_cast<Shape>(state.range(0)), kRows};
  for (auto _ : state) {
    state.PauseTiming();
    auto tree = NewTree(source, plan);
    state.ResumeTiming();
    tree->RemoveTreeStock();
    state.PauseTiming();
    tree.reset();
    state.ResumeTiming();
  }
  state.SetLabel(kShapeNames[state.range(0)]);
}

BENCHMARK(BM_Build)->DenseRange(0, 2)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sort)->ArgsProduct({{0, 1, 2}, {0, 1}})->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter)->ArgsProduct({{0, 1}, {100000, 1000000}})->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sums)->DenseRange(0, 1)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SourceCellsAlone)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveTreeStock)->DenseRange(0, 2)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
