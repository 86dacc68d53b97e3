// The tree node's row questions at 1e5 and 1e6 nodes in four shapes (flat; groups of equal
// size; three levels; 90 % of the rows in one group), beside the way list-based views keep
// their rows: a flat vector of shown rows, kept by inserting and erasing ranges. Each case
// times ours in the benchmark loop and the vector in the same run; the counter "vec_ns" is
// the vector's time per operation and "ratio" the vector's time over ours (above 1: ours is
// faster); both in thread CPU time, like the CPU column. The build case also counts
// allocations and the bytes the tree keeps per node, its child lists' indexes included.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <cstdlib>
#include <map>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "counting_allocator.h"
#include "treedata/tree_node.h"

namespace {

using ruzi::TsnTreeNode;

// Thread CPU time: the machines these run on are shared, and a wall clock would charge other
// people's work to whichever side was running.
double CpuNanos() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e9 + now.tv_nsec;
}

enum Shape { kFlat, kGroups, kThreeLevels, kOneBigGroup };
const char* const kShapeNames[] = {"flat", "1000 groups", "100x100x", "90% in one group"};

// The tree in pre-order, as the level of each node (the root not listed).
std::vector<int32_t> Plan(Shape shape, int nodes) {
  std::vector<int32_t> levels;
  auto group = [&](int rows, int32_t level) {
    levels.push_back(level);
    levels.resize(levels.size() + rows, level + 1);
  };
  switch (shape) {
    case kFlat: levels.assign(nodes, 1); break;
    case kGroups:
      for (int g = 0; g < 1000; ++g) group(nodes / 1000 - 1, 1);
      break;
    case kThreeLevels:
      for (int a = 0; a < 100; ++a) {
        levels.push_back(1);
        for (int b = 0; b < 100; ++b) group(nodes / 10000 - 1, 2);
      }
      break;
    case kOneBigGroup:
      group(nodes * 9 / 10, 1);
      for (int g = 1; g < 1000; ++g) group(nodes / 10 / 999, 1);
      break;
  }
  return levels;
}

std::unique_ptr<TsnTreeNode> BuildTree(const std::vector<int32_t>& plan) {
  auto root = std::make_unique<TsnTreeNode>(nullptr, false);
  root->SetDefaultExpanded(ruzi::efExpand);
  TsnTreeNode* last[4] = {root.get()};
  for (int32_t level : plan) last[level] = last[level - 1]->AddChild("row");
  return root;
}

// Asks every long child list for a row position, so the bytes counted include its index.
void IndexEveryList(TsnTreeNode* root) {
  std::vector<TsnTreeNode*> stack{root};
  while (!stack.empty()) {
    TsnTreeNode* node = stack.back();
    stack.pop_back();
    if (node->GetCount() == 0) continue;
    benchmark::DoNotOptimize(node->GetLastChild()->GetViewIndex());
    for (int i = 0; i < node->GetCount(); ++i) {
      if (node->GetItem(i)->HasChild()) stack.push_back(node->GetItem(i));
    }
  }
}

// The reference: rows owned in creation order, the shown ones listed in a vector.
struct RefRow {
  std::string text;
  int32_t level;
  int32_t key;
};
struct RefView {
  std::vector<std::unique_ptr<RefRow>> rows;
  std::vector<RefRow*> shown;
};

RefView BuildReference(const std::vector<int32_t>& plan) {
  RefView view;
  view.rows.reserve(plan.size());
  for (int32_t level : plan) {
    view.rows.push_back(std::make_unique<RefRow>(RefRow{"row", level, 0}));
    view.shown.push_back(view.rows.back().get());
  }
  return view;
}

// One tree and one reference per shape and size, built once.
struct Subject {
  std::vector<int32_t> plan;
  std::unique_ptr<TsnTreeNode> tree;
  RefView reference;
};
Subject& Get(Shape shape, int nodes) {
  static std::map<std::pair<int, int>, Subject> subjects;
  Subject& s = subjects[{shape, nodes}];
  if (!s.tree) {
    s.plan = Plan(shape, nodes);
    s.tree = BuildTree(s.plan);
    s.reference = BuildReference(s.plan);
  }
  return s;
}

template <typename Work>
double NanosPerOp(int ops, Work work) {
  const double start = CpuNanos();
  work();
  return (CpuNanos() - start) / ops;
}

void Report(benchmark::State& state, double oursNs, double vectorNs, const char* shape) {
  state.counters["vec_ns"] = vectorNs;
  state.counters["ratio"] = vectorNs / oursNs;
  state.SetLabel(shape);
}

Shape ShapeOf(const benchmark::State& state) { return static_cast<Shape>(state.range(1)); }
int NodesOf(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void BM_Build(benchmark::State& state) {
  const auto plan = Plan(ShapeOf(state), NodesOf(state));
  // The first build also pays for the pages the process takes from the system; it is reported
  // apart, and the timed builds reuse memory the process already holds.
  double start = CpuNanos();
  BuildTree(plan).reset();
  state.counters["first_build_ms"] = (CpuNanos() - start) / 1e6;
  double ours = 0;
  for (auto _ : state) {
    const size_t allocations = ruzi::bench::g_allocations;
    const size_t bytes = ruzi::bench::HeldBytes();
    start = CpuNanos();
    auto tree = BuildTree(plan);
    ours = CpuNanos() - start;
    state.PauseTiming();
    IndexEveryList(tree.get());
    state.counters["allocs_per_node"] = double(ruzi::bench::g_allocations - allocations) / plan.size();
    state.counters["bytes_per_node"] = double(ruzi::bench::HeldBytes() - bytes) / plan.size();
    tree.reset();
    state.ResumeTiming();
  }
  const double vector = NanosPerOp(1, [&] { benchmark::DoNotOptimize(BuildReference(plan)); });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

void RebuildShown(RefView& view, bool all) {
  view.shown.clear();
  for (auto& row : view.rows) {
    if (all || row->level == 1) view.shown.push_back(row.get());
  }
}

void BM_ExpandCollapseAll(benchmark::State& state) {
  Subject& s = Get(ShapeOf(state), NodesOf(state));
  for (auto _ : state) {
    s.tree->Collapse(true);
    s.tree->Expand(true);
  }
  const double ours = NanosPerOp(1, [&] {
    s.tree->Collapse(true);
    s.tree->Expand(true);
  });
  const double vector = NanosPerOp(1, [&] {
    RebuildShown(s.reference, false);
    RebuildShown(s.reference, true);
  });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

// Collapsing and expanding again the middle group of level 1.
void BM_ToggleGroup(benchmark::State& state) {
  Subject& s = Get(ShapeOf(state), NodesOf(state));
  TsnTreeNode* group = s.tree->GetItem(s.tree->GetCount() / 2);
  const int row = group->GetViewIndex();
  const int below = group->SubViewCount();
  for (auto _ : state) {
    group->Collapse(false);
    group->Expand(false);
  }
  const int repeats = 20;
  const double ours = NanosPerOp(repeats, [&] {
    for (int i = 0; i < repeats; ++i) {
      group->Collapse(false);
      group->Expand(false);
    }
  });
  auto& shown = s.reference.shown;
  const std::vector<RefRow*> rows(shown.begin() + row + 1, shown.begin() + row + 1 + below);
  const double vector = NanosPerOp(repeats, [&] {
    for (int i = 0; i < repeats; ++i) {
      shown.erase(shown.begin() + row + 1, shown.begin() + row + 1 + below);
      shown.insert(shown.begin() + row + 1, rows.begin(), rows.end());
    }
  });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

void BM_SequentialRows(benchmark::State& state) {
  Subject& s = Get(ShapeOf(state), NodesOf(state));
  const int count = s.tree->ViewCount();
  for (auto _ : state) {
    for (int i = 0; i < count; ++i) benchmark::DoNotOptimize(s.tree->GetViewItem(i));
  }
  const double ours = NanosPerOp(count, [&] {
    for (int i = 0; i < count; ++i) benchmark::DoNotOptimize(s.tree->GetViewItem(i));
  });
  const double vector = NanosPerOp(count, [&] {
    for (int i = 0; i < count; ++i) benchmark::DoNotOptimize(s.reference.shown[i]);
  });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

std::vector<int> RandomIndexes(int count, int bound) {
  std::mt19937 generator(42);
  std::vector<int> indexes(count);
  for (int& i : indexes) i = std::uniform_int_distribution<int>(0, bound - 1)(generator);
  return indexes;
}

void BM_RandomRows(benchmark::State& state) {
  Subject& s = Get(ShapeOf(state), NodesOf(state));
  const auto indexes = RandomIndexes(10000, s.tree->ViewCount());
  for (auto _ : state) {
    for (int i : indexes) benchmark::DoNotOptimize(s.tree->GetViewItem(i));
  }
  const double ours = NanosPerOp(10000, [&] {
    for (int i : indexes) benchmark::DoNotOptimize(s.tree->GetViewItem(i));
  });
  const double vector = NanosPerOp(10000, [&] {
    for (int i : indexes) benchmark::DoNotOptimize(s.reference.shown[i]);
  });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

// The row of a given node: ours from the counters, the vector by searching.
void BM_NodeToRow(benchmark::State& state) {
  Subject& s = Get(ShapeOf(state), NodesOf(state));
  const auto rows = RandomIndexes(10000, s.tree->ViewCount());
  std::vector<TsnTreeNode*> nodes;
  for (int row : rows) nodes.push_back(s.tree->GetViewItem(row));
  for (auto _ : state) {
    for (TsnTreeNode* node : nodes) benchmark::DoNotOptimize(node->GetViewIndex());
  }
  const double ours = NanosPerOp(10000, [&] {
    for (TsnTreeNode* node : nodes) benchmark::DoNotOptimize(node->GetViewIndex());
  });
  const int searches = 50;
  const double vector = NanosPerOp(searches, [&] {
    for (int i = 0; i < searches; ++i) {
      RefRow* wanted = s.reference.shown[rows[i]];
      benchmark::DoNotOptimize(std::find(s.reference.shown.begin(), s.reference.shown.end(), wanted));
    }
  });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

// Every child list sorted by a random key; the vector sorts its rows within each group the
// same way and lists them again.
void BM_KeyedSort(benchmark::State& state) {
  Subject& s = Get(ShapeOf(state), NodesOf(state));
  std::mt19937 generator(7);
  std::vector<int32_t> keys(s.plan.size() + 1);
  for (auto& key : keys) key = static_cast<int32_t>(generator() % 1000000);
  // The key of a node rides in its Data: its pre-order number.
  std::vector<TsnTreeNode*> stack{s.tree.get()};
  intptr_t number = 0;
  while (!stack.empty()) {
    TsnTreeNode* node = stack.back();
    stack.pop_back();
    node->SetData(reinterpret_cast<void*>(number++));
    for (int i = node->GetCount() - 1; i >= 0; --i) stack.push_back(node->GetItem(i));
  }
  s.tree->SetCompared({[](void* data, TsnTreeNode*, TsnTreeNode* a, TsnTreeNode* b, int32_t& result) {
                         const auto& k = *static_cast<std::vector<int32_t>*>(data);
                         const int32_t ka = k[reinterpret_cast<intptr_t>(a->GetData())];
                         const int32_t kb = k[reinterpret_cast<intptr_t>(b->GetData())];
                         result = ka < kb ? -1 : ka > kb ? 1 : 0;
                       },
                       &keys});
  double ours = 0;
  for (auto _ : state) ours = NanosPerOp(1, [&] { s.tree->CustomSort(true); });
  for (size_t i = 0; i < s.reference.rows.size(); ++i) s.reference.rows[i]->key = keys[i + 1];
  auto& shown = s.reference.shown;
  const double vector = NanosPerOp(1, [&] {
    // Sort each run of siblings (rows of the deepest level between two parents).
    const int32_t deepest = (*std::max_element(s.plan.begin(), s.plan.end()));
    size_t begin = 0;
    while (begin < shown.size()) {
      size_t end = begin;
      while (end < shown.size() && shown[end]->level == deepest) ++end;
      std::stable_sort(shown.begin() + begin, shown.begin() + end,
                       [](const RefRow* a, const RefRow* b) { return a->key < b->key; });
      begin = end + 1;
    }
  });
  Report(state, ours, vector, kShapeNames[ShapeOf(state)]);
}

void Cases(benchmark::internal::Benchmark* b) {
  for (int nodes : {100000, 1000000}) {
    for (int shape = kFlat; shape <= kOneBigGroup; ++shape) b->Args({nodes, shape});
  }
}

}  // namespace

BENCHMARK(BM_Build)->Apply(Cases)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExpandCollapseAll)->Apply(Cases)->Iterations(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToggleGroup)->Apply(Cases)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SequentialRows)->Apply(Cases)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RandomRows)->Apply(Cases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeToRow)->Apply(Cases)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeyedSort)->Apply(Cases)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
