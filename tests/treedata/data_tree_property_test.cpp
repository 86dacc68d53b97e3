// The data tree against a brute-force model after seeded random builds, edits, removals, moves
// (Assign, SetItem), sorts, filters and expansion changes. After every step: the structure and
// each node's data-row count, every cell (group totals recomputed from the data rows by
// definition), the visible flags a filter leaves, the shown rows, ExpandToNode and bookmark
// answers; after a sort, each sibling list is std::stable_sort of the previous one by the
// pairwise comparison's keys. Every row is handed to OnFreeRowNode once: when it goes, or with
// the tree.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "data_tree_fixture.h"
#include "foundation/float_text.h"
#include "treedata/filtered_data_tree.h"

namespace ruzi::treetest {
namespace {

// Dyadic numbers only, so sums are exact in any order.
const std::vector<ColumnSpec> kColumns = {{"CODE", ftString, GTMix}, {"QTY", ftInteger, GTSum},
                                          {"PRICE", ftFloat, GTAvg},  {"HI", ftFloat, GTMax},
                                          {"LO", ftFloat, GTMin},     {"FLAG", ftString, GTChk}};
const std::vector<std::vector<std::string>> kPools = {{"A1", "A2", "B1", "中文", ""}, {"0", "3", "7", "12", "-4", ""},
                                                      {"1.5", "0.25", "-2", "10", ""},  {"1.5", "-0.5", "8", ""},
                                                      {"2", "-3.75", "0.5", ""},        {"y", "n", ""}};

double Num(const std::string& text) { return text.empty() ? 0 : std::stod(text); }

using Values = std::vector<std::string>;  // a data row's cells in column order, "" for null
const std::vector<std::pair<const char*, std::function<bool(const Values&)>>> kFilters = {
    {"QTY > 5", [](const Values& v) { return Num(v[1]) > 5; }},
    {"CODE like 'A%'", [](const Values& v) { return !v[0].empty() && v[0][0] == 'A'; }},
    {"PRICE >= 1 and QTY < 10", [](const Values& v) { return Num(v[2]) >= 1 && Num(v[1]) < 10; }},
    {"FLAG = 'y' or HI < 0", [](const Values& v) { return v[5] == "y" || Num(v[3]) < 0; }}};

struct ModelRow {
  bool data = false;
  std::string key;
  Values values;
  int32_t parent = 0;
  std::vector<int32_t> children;
  bool hidden = false;  // by the filter
};

class Driver {
 public:
  explicit Driver(uint32_t seed) : rng_(seed), f_(kColumns) {
    f_.tree->OnFreeRowNode = TOnFreeRowData{
        [](void* data, TTreeRowData* row) { ++static_cast<Driver*>(data)->freed_[row->GetSeqNo()]; }, this};
  }

  std::string Run(int steps) {
    std::vector<MemoryDataSet::Row> source(Pick(40));
    for (MemoryDataSet::Row& row : source) {
      for (const auto& pool : kPools) {
        const std::string& value = pool[Pick(pool.size())];
        row.push_back(value.empty() ? std::nullopt : std::optional<std::string>(value));
      }
    }
    f_.tree->SetDefaultExpanded(Pick(2) ? efExpand : efCollapse);
    f_.Build(source, TBeginBuildTree{[](void* data, TDBTreeNode*) { static_cast<Driver*>(data)->BuildModel(); }, this});
    for (int step = 0; step < steps; ++step) {
      Step();
      const std::string difference = Compare();
      if (!difference.empty()) return "step " + std::to_string(step) + " after " + last_ + ": " + difference;
    }
    const int32_t made = Tree().GetSeqCounter();
    f_.tree.reset();
    for (int32_t seq = 1; seq <= made; ++seq) {
      if (freed_[seq] != 1) return "row " + std::to_string(seq) + " freed " + std::to_string(freed_[seq]) + " times";
    }
    return "";
  }

 private:
  size_t Pick(size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(rng_); }
  FilteredDataTree& Tree() const { return *f_.tree; }
  TsnTreeNode* Node(int32_t seq) { return Tree().NodeOfSeqNo(seq); }
  static int32_t SeqOf(TsnTreeNode* node) { return static_cast<TTreeRowData*>(node->GetData())->GetSeqNo(); }
  static std::string S(int32_t seq) { return std::to_string(seq); }

  void AddModel(TsnTreeNode* node, int32_t parent, bool data, Values values) {
    model_[SeqOf(node)] = ModelRow{data, node->GetText(), std::move(values), parent, {}, false};
    model_[parent].children.push_back(SeqOf(node));
  }

  void BuildModel() {
    model_ = {{1, ModelRow{}}};
    std::vector<TsnTreeNode*> groups{&Tree()};
    for (size_t g = 0, count = 1 + Pick(4); g < count; ++g) {
      TsnTreeNode* parent = groups[Pick(groups.size())];
      groups.push_back(Tree().AppendChild(parent, "G" + S(g), -1, true, false).Node);
      AddModel(groups.back(), SeqOf(parent), false, {});
    }
    for (int32_t rec = 1; rec <= Tree().GetStockQry()->GetRecordCount(); ++rec) {
      TsnTreeNode* parent = groups[Pick(groups.size())];
      Values values;
      for (size_t c = 0; c < kColumns.size(); ++c) values.emplace_back(f_.source.ReadRecordText(rec, c).value_or(""));
      AddModel(Tree().BindStock(parent, "R" + S(Pick(5)), -1, {}, '1', rec), SeqOf(parent), true, values);
    }
  }

  // Rows other than the root: the data rows, the groups, or both (all).
  std::vector<int32_t> Seqs(bool data, bool all = false) const {
    std::vector<int32_t> seqs;
    for (const auto& [seq, row] : model_) {
      if (seq != 1 && (all || row.data == data)) seqs.push_back(seq);
    }
    return seqs;
  }
  int32_t Any(const std::vector<int32_t>& seqs) { return seqs.empty() ? 0 : seqs[Pick(seqs.size())]; }

  void Detach(int32_t seq) {
    auto& siblings = model_[model_[seq].parent].children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), seq));
  }
  void Remove(int32_t seq) {
    for (int32_t child : std::vector<int32_t>(model_[seq].children)) Remove(child);
    Detach(seq);
    model_.erase(seq);
  }
  bool Within(int32_t seq, int32_t top) const {
    for (; seq != 1; seq = model_.at(seq).parent) {
      if (seq == top) return true;
    }
    return false;
  }
  int StockBelow(int32_t seq) const {
    int count = 0;
    for (int32_t child : model_.at(seq).children) count += (model_.at(child).data ? 1 : 0) + StockBelow(child);
    return count;
  }

  void Step() {
    const std::vector<int32_t> data = Seqs(true), groups = Seqs(false);
    const int32_t row = Any(data), group = Any(groups);
    switch (Pick(13)) {
      case 0:
      case 1: {
        if (row == 0) break;
        const size_t column = Pick(kColumns.size());
        const std::string& value = kPools[column][Pick(kPools[column].size())];
        last_ = "edit " + S(row) + " " + kColumns[column].Name + "=" + value;
        Tree().ModifyField(static_cast<TTreeRowData*>(Node(row)->GetData()), f_.F(kColumns[column].Name), value, true);
        model_[row].values[column] = value;
        break;
      }
      case 2:
        if (row == 0) break;
        last_ = "remove " + S(row);
        Tree().RemoveStock(Node(row));
        Remove(row);
        break;
      case 3:
      case 4: Sort(); break;
      case 5: {
        const size_t which = Pick(kFilters.size() + 1);
        last_ = which == kFilters.size() ? "clear filter" : std::string("filter ") + kFilters[which].first;
        which == kFilters.size() ? Tree().DeactivateFilters() : Tree().ActivateFilters(kFilters[which].first, 0);
        for (auto& [seq, each] : model_) each.hidden = false;
        if (which < kFilters.size()) HideFailing(1, kFilters[which].second);
        break;
      }
      case 6:
        if (group == 0) break;
        last_ = "expand or collapse " + S(group);
        Node(group)->SetExpand(Pick(2) != 0);
        break;
      case 7:
        last_ = "calc type";
        Tree().SetNodeCalcType(Tree().GetNodeCalcType() == CTAll ? CTVisible : CTAll);
        break;
      case 8:
        last_ = "hide empty";
        Tree().HideEmptyNode(nullptr);
        for (int32_t seq : groups) {
          if (model_.count(seq) && StockBelow(seq) == 0) Remove(seq);
        }
        break;
      case 9: ExpandTo(Any(Seqs(false, true))); break;
      case 10:
        if (Pick(8) != 0) return SaveRestore();
        last_ = "remove all data rows";
        Tree().RemoveTreeStock();
        for (int32_t seq : data) Remove(seq);
        break;
      case 11: Move(group, Any(Seqs(false, true)), Pick(2) == 0); break;
      default: Bookmarks(); break;
    }
  }

  // Assign: group `to` gives up its children and takes over those of an unrelated node. SetItem:
  // a node taken out with Delete(Node) replaces a child of a group outside it.
  void Move(int32_t to, int32_t from, bool assign) {
    if (to == 0 || to == from || Within(to, from) || Within(from, to)) return;
    if (assign) {
      last_ = "assign " + S(from) + " to " + S(to);
      Node(to)->Assign(Node(from));
      for (int32_t child : std::vector<int32_t>(model_[to].children)) Remove(child);
      model_[to].children.swap(model_[from].children);
      for (int32_t child : model_[to].children) model_[child].parent = to;
      return;
    }
    auto& children = model_[to].children;
    if (children.empty()) return;
    const auto index = static_cast<int32_t>(Pick(children.size()));
    const int32_t replaced = children[index];
    last_ = "put " + S(from) + " in place of " + S(replaced);
    Node(model_[from].parent)->Delete(Node(from));
    Node(to)->SetItem(index, Node(from));
    Detach(from);
    children.insert(children.begin() + index, from);
    model_[from].parent = to;
    Remove(replaced);
  }

  bool HideFailing(int32_t seq, const std::function<bool(const Values&)>& passes) {
    ModelRow& row = model_[seq];
    bool any = row.data && passes(row.values);
    for (int32_t child : row.children) any = HideFailing(child, passes) || any;
    row.hidden = seq != 1 && !any;
    return any;
  }

  // --- the expected cell texts, by definition ---

  std::string Expect(int32_t seq, int column) const {
    const ModelRow& row = model_.at(seq);
    const bool visibleOnly = Tree().GetNodeCalcType() == CTVisible;
    if (column < 0) {
      if (row.data) return row.key;
      return (seq == 1 ? std::string("全部汇总") : row.key) + "[" + S(StockBelow(seq)) + "]";
    }
    if (row.data) return row.values[column];
    if (visibleOnly && row.hidden) return "0";
    Values texts;
    for (int32_t child : row.children) {
      if (!visibleOnly || !model_.at(child).hidden) texts.push_back(Expect(child, column));
    }
    if (texts.empty()) return "0";
    const TColFieldGroupType type = kColumns[column].Group;
    if (type == GTMix || type == GTChk) {
      const bool same = std::all_of(texts.begin(), texts.end(), [&](const std::string& t) { return t == texts[0]; });
      return same ? texts[0] : (kColumns[column].Type == ftString ? "混合" : "");
    }
    double sum = 0, best = type == GTMin ? 1e17 : -1e17;
    for (const std::string& text : texts) {
      if (text.empty()) continue;
      sum += std::stod(text);
      best = type == GTMin ? std::min(best, std::stod(text)) : std::max(best, std::stod(text));
    }
    if (type == GTSum) return FloatToStr(sum);
    if (type == GTAvg) return FloatToStr(sum / static_cast<double>(texts.size()));
    return FloatToStr(std::fabs(best) == 1e17 ? 0 : best);
  }

  // --- sorting: the pairwise comparison, texts as bytes refined by number for numeric columns ---

  using SortFields = std::vector<std::pair<int, bool>>;  // column (-1 the tree column), ascending
  static std::string Name(int column) { return column < 0 ? "NAME" : kColumns[column].Name; }

  int Order(int32_t a, int32_t b, const SortFields& fields) const {
    if (fields.empty()) return a < b ? -1 : (b < a ? 1 : 0);
    for (const auto& [column, ascending] : fields) {
      const std::string x = Expect(a, column), y = Expect(b, column);
      int result = x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
      if (result != 0 && column >= 0 && kColumns[column].Type != ftString) {
        result = Num(x) < Num(y) ? -1 : (Num(y) < Num(x) ? 1 : 0);
      }
      if (result != 0) return ascending ? result : -result;
    }
    return 0;
  }

  // With onlyDataParents, a node whose first child is a data row is sorted with everything
  // below it; other nodes are only looked through.
  void SortModel(int32_t seq, const SortFields& fields, bool onlyDataParents) {
    std::vector<int32_t>& children = model_[seq].children;
    const bool sorted = !onlyDataParents || (!children.empty() && model_[children[0]].data);
    for (int32_t child : children) SortModel(child, fields, !sorted);
    if (!sorted) return;
    std::stable_sort(children.begin(), children.end(), [&](int32_t a, int32_t b) { return Order(a, b, fields) < 0; });
  }

  void Sort() {
    SortFields fields;
    Tree().ClearSort();
    last_ = "sort";
    for (size_t i = 0, count = Pick(3); i < count; ++i) {
      fields.emplace_back(static_cast<int>(Pick(kColumns.size() + 1)) - 1, Pick(2) != 0);
      Tree().AppendSort(Name(fields.back().first), fields.back().second);
      last_ += " " + Name(fields.back().first) + (fields.back().second ? "" : ":desc");
    }
    const bool onlyDataParents = Pick(3) == 0;
    last_ += onlyDataParents ? " (data parents only)" : "";
    Tree().SetOnlySortDataNode(onlyDataParents);
    SortModel(1, fields, onlyDataParents);
    Tree().reSort();
  }

  // --- rows: shown rows as the tree node answers them (held to its own model elsewhere) ---

  int32_t RowOf(int32_t seq) { return Node(seq) != nullptr ? Node(seq)->GetViewIndex() : -1; }

  void ExpandTo(int32_t seq) {
    if (seq == 0) return;
    last_ = "expand to " + S(seq);
    const int32_t row = Tree().ExpandToNode(Node(seq));
    checks_ = checks_ && row == RowOf(seq) + 1;
    for (TsnTreeNode* above = Node(seq)->GetParent(); above != &Tree(); above = above->GetParent()) {
      // An invisible node keeps its expansion (the tree ignores operations on it).
      checks_ = checks_ && (above->GetExpandFlag() || !above->GetVisible());
    }
  }

  void SaveRestore() {
    last_ = "save and restore expansion";
    Tree().SaveExpandState();
    std::map<int32_t, bool> saved;
    for (int32_t seq : Seqs(false, true)) saved[seq] = Node(seq)->GetExpandFlag();
    for (const auto& [seq, flag] : saved) {
      if (Pick(2)) Node(seq)->SetExpand(!flag);
    }
    Tree().RestoreExpandState();
    for (const auto& [seq, flag] : saved) checks_ = checks_ && Node(seq)->GetExpandFlag() == flag;
  }

  void Bookmarks() {
    last_ = "bookmarks";
    for (int i = 0; i < 5; ++i) {
      const auto seq = static_cast<int32_t>(1 + Pick(Tree().GetSeqCounter() + 1));
      const auto hint = static_cast<int32_t>(Pick(Tree().GetRecordCount() + 3));
      checks_ = checks_ && Tree().GetRowIndexByBookMark(hint, seq) == RowOf(seq);
    }
  }

  // --- comparing ---

  std::string Compare() {
    std::string out = checks_ ? "" : "ExpandToNode, a bookmark or the saved expansion differs; ";
    if (model_.size() != static_cast<size_t>(Tree().GetTotalCount()) + 1) out += "node count differs; ";
    for (const auto& [seq, row] : model_) {
      TsnTreeNode* node = Node(seq);
      if (node == nullptr) {
        out += "node " + S(seq) + " missing; ";
        continue;
      }
      std::vector<int32_t> children;
      for (int32_t i = 0; i < node->GetCount(); ++i) children.push_back(SeqOf(node->GetItem(i)));
      if (children != row.children) out += "children of " + S(seq) + "; ";
      if (node->GetStockCount() != StockBelow(seq)) out += "StockCount of " + S(seq) + "; ";
      if (seq != 1 && node->GetVisible() == row.hidden) out += "visibility of " + S(seq) + "; ";
      for (int column = -1; column < static_cast<int>(kColumns.size()); ++column) {
        const std::string name = Name(column);
        const std::string got = seq == 1 && column < 0 ? Tree().GetRooterValue(f_.F(name)) : f_.Cell(node, name);
        const std::string want = Expect(seq, column);
        if (got != want && !SameAverage(column, got, want)) out += "cell " + S(seq) + "." + name + " is '" + got + "' not '" + want + "'; ";
      }
    }
    for (int32_t i = 0; i < Tree().GetRecordCount(); ++i) {
      if (Tree().GetRowData(i)->GetNode()->GetViewIndex() != i) out += "row " + S(i) + " differs; ";
    }
    return out;
  }

  // Averages of averages sum inexact texts, so a total worked out before a sort may differ from
  // one worked out after it in the last digit.
  static bool SameAverage(int column, const std::string& got, const std::string& want) {
    if (column < 0 || kColumns[column].Group != GTAvg || got.empty() || want.empty()) return false;
    return std::fabs(Num(got) - Num(want)) <= 1e-12 * std::max(1.0, std::fabs(Num(want)));
  }

  std::mt19937 rng_;
  DataTreeFixture<FilteredDataTree> f_;
  std::map<int32_t, ModelRow> model_;
  std::map<int32_t, int> freed_;
  std::string last_ = "build";
  bool checks_ = true;
};

TEST(DataTreeProperty, RandomStepsMatchTheModel) {
  for (uint32_t seed = 1; seed <= 100; ++seed) {
    ASSERT_EQ(Driver(seed).Run(40), "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace ruzi::treetest
