// The data tree against a brute-force model after seeded random builds, edits, removals, sorts,
// filters and expansion changes. After every step: the structure and each node's data-row
// count, every cell (group totals recomputed from the data rows by definition), the visible
// flags a filter leaves, the shown rows and bookmark answers; after a sort, each sibling list
// is std::stable_sort of the previous one by the pairwise comparison's keys.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
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
const std::vector<std::vector<std::string>> kPools = {{"A1", "A2", "B1", "中文", ""},
                                                      {"0", "3", "7", "12", "-4", ""},
                                                      {"1.5", "0.25", "-2", "10", ""},
                                                      {"1.5", "-0.5", "8", ""},
                                                      {"2", "-3.75", "0.5", ""},
                                                      {"y", "n", ""}};

struct Filter {
  const char* text;
  std::function<bool(const std::vector<std::string>&)> passes;  // values in column order
};

double Num(const std::string& text) { return text.empty() ? 0 : std::stod(text); }

const std::vector<Filter> kFilters = {
    {"QTY > 5", [](const auto& v) { return Num(v[1]) > 5; }},
    {"CODE like 'A%'", [](const auto& v) { return !v[0].empty() && v[0][0] == 'A'; }},
    {"PRICE >= 1 and QTY < 10", [](const auto& v) { return Num(v[2]) >= 1 && Num(v[1]) < 10; }},
    {"FLAG = 'y' or HI < 0", [](const auto& v) { return v[5] == "y" || Num(v[3]) < 0; }}};

struct ModelRow {
  bool data = false;
  std::string key;
  std::vector<std::string> values;  // data rows: the cells, "" for null
  int32_t parent = 0;
  std::vector<int32_t> children;
  bool hidden = false;  // by the filter
};

class Driver {
 public:
  explicit Driver(uint32_t seed) : rng_(seed), f_(kColumns) {}

  std::string Run(int steps) {
    std::vector<MemoryDataSet::Row> source;
    const int records = Pick(40);
    for (int r = 0; r < records; ++r) {
      MemoryDataSet::Row row;
      for (const auto& pool : kPools) {
        const std::string& value = pool[Pick(pool.size())];
        row.push_back(value.empty() ? std::nullopt : std::optional<std::string>(value));
      }
      source.push_back(row);
    }
    f_.tree->SetDefaultExpanded(Pick(2) ? efExpand : efCollapse);
    f_.Build(source, TBeginBuildTree{[](void* data, TDBTreeNode*) { static_cast<Driver*>(data)->BuildModel(); }, this});
    for (int step = 0; step < steps; ++step) {
      Step();
      std::string difference = Compare();
      if (!difference.empty()) return "step " + std::to_string(step) + " after " + last_ + ": " + difference;
    }
    return "";
  }

 private:
  size_t Pick(size_t bound) { return std::uniform_int_distribution<size_t>(0, bound - 1)(rng_); }
  FilteredDataTree& Tree() const { return *f_.tree; }
  TsnTreeNode* Node(int32_t seq) { return Tree().NodeOfSeqNo(seq); }
  static int32_t SeqOf(TsnTreeNode* node) { return static_cast<TTreeRowData*>(node->GetData())->GetSeqNo(); }

  void AddModel(TsnTreeNode* node, int32_t parent, bool data, std::vector<std::string> values) {
    const int32_t seq = SeqOf(node);
    model_[seq] = ModelRow{data, node->GetText(), std::move(values), parent, {}, false};
    model_[parent].children.push_back(seq);
  }

  void BuildModel() {
    model_.clear();
    model_[1] = ModelRow{};
    std::vector<TsnTreeNode*> groups{&Tree()};
    for (size_t g = 0, count = 1 + Pick(4); g < count; ++g) {
      TsnTreeNode* parent = groups[Pick(groups.size())];
      TsnTreeNode* node = Tree().AppendChild(parent, "G" + std::to_string(g), -1, true, false).Node;
      AddModel(node, SeqOf(parent), false, {});
      groups.push_back(node);
    }
    for (int32_t rec = 1; rec <= Tree().GetStockQry()->GetRecordCount(); ++rec) {
      TsnTreeNode* parent = groups[Pick(groups.size())];
      std::vector<std::string> values;
      for (size_t c = 0; c < kColumns.size(); ++c) {
        const auto text = f_.source.ReadRecordText(rec, static_cast<int>(c));
        values.emplace_back(text ? std::string(*text) : std::string());
      }
      AddModel(Tree().BindStock(parent, "R" + std::to_string(Pick(5)), -1, {}, '1', rec), SeqOf(parent), true, values);
    }
  }

  std::vector<int32_t> Seqs(bool data) const {
    std::vector<int32_t> seqs;
    for (const auto& [seq, row] : model_) {
      if (seq != 1 && row.data == data) seqs.push_back(seq);
    }
    return seqs;
  }

  void Remove(int32_t seq) {
    for (int32_t child : std::vector<int32_t>(model_[seq].children)) Remove(child);
    auto& siblings = model_[model_[seq].parent].children;
    siblings.erase(std::find(siblings.begin(), siblings.end(), seq));
    model_.erase(seq);
  }

  int StockBelow(int32_t seq) const {
    int count = 0;
    for (int32_t child : model_.at(seq).children) count += (model_.at(child).data ? 1 : 0) + StockBelow(child);
    return count;
  }

  void Step() {
    const std::vector<int32_t> data = Seqs(true);
    const std::vector<int32_t> groups = Seqs(false);
    switch (Pick(12)) {
      case 0:
      case 1: {  // edit a data row's cell
        if (data.empty()) break;
        const int32_t seq = data[Pick(data.size())];
        const size_t column = Pick(kColumns.size());
        const std::string& value = kPools[column][Pick(kPools[column].size())];
        last_ = "edit " + std::to_string(seq) + " " + kColumns[column].Name + "=" + value;
        Tree().ModifyField(static_cast<TTreeRowData*>(Node(seq)->GetData()), f_.F(kColumns[column].Name), value, true);
        model_[seq].values[column] = value;
        break;
      }
      case 2: {
        if (data.empty()) break;
        const int32_t seq = data[Pick(data.size())];
        last_ = "remove " + std::to_string(seq);
        Tree().RemoveStock(Node(seq));
        Remove(seq);
        break;
      }
      case 3:
      case 4: Sort(); break;
      case 5: {
        const size_t which = Pick(kFilters.size() + 1);
        if (which == kFilters.size()) {
          last_ = "clear filter";
          Tree().DeactivateFilters();
          for (auto& [seq, row] : model_) row.hidden = false;
        } else {
          last_ = std::string("filter ") + kFilters[which].text;
          Tree().ActivateFilters(kFilters[which].text, 0);
          for (auto& [seq, row] : model_) row.hidden = false;
          HideFailing(1, kFilters[which]);
        }
        break;
      }
      case 6: {
        if (groups.empty()) break;
        const int32_t seq = groups[Pick(groups.size())];
        const bool expand = Pick(2) != 0;
        last_ = (expand ? "expand " : "collapse ") + std::to_string(seq);
        Node(seq)->SetExpand(expand);
        break;
      }
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
      case 9: ExpandTo(); break;
      case 10: {
        if (Pick(8) == 0) {
          last_ = "remove all data rows";
          Tree().RemoveTreeStock();
          for (int32_t seq : data) Remove(seq);
        } else {
          SaveRestore();
        }
        break;
      }
      default: Bookmarks(); break;
    }
  }

  bool HideFailing(int32_t seq, const Filter& filter) {
    ModelRow& row = model_[seq];
    bool passes = false;
    if (row.data) {
      passes = filter.passes(row.values);
    } else {
      for (int32_t child : row.children) passes = HideFailing(child, filter) || passes;
    }
    if (seq != 1) row.hidden = !passes;
    return passes;
  }

  // --- the expected cell texts, by definition ---

  int ColumnOf(const std::string& name) const {
    for (size_t c = 0; c < kColumns.size(); ++c) {
      if (kColumns[c].Name == name) return static_cast<int>(c);
    }
    return -1;  // the tree column
  }

  std::string Expect(int32_t seq, int column) const {
    const ModelRow& row = model_.at(seq);
    const bool visibleOnly = Tree().GetNodeCalcType() == CTVisible;
    if (column < 0) return seq == 1 ? "全部汇总[" + std::to_string(StockBelow(1)) + "]"
                                    : (row.data ? row.key : row.key + "[" + std::to_string(StockBelow(seq)) + "]");
    if (visibleOnly && row.hidden && !row.data) return "0";
    if (row.data) return row.values[column];
    std::vector<std::string> texts;
    for (int32_t child : row.children) {
      if (!visibleOnly || !model_.at(child).hidden) texts.push_back(Expect(child, column));
    }
    if (texts.empty()) return "0";
    const TColFieldGroupType type = kColumns[column].Group;
    double sum = 0, best = type == GTMin ? 1e17 : -1e17;
    for (const std::string& text : texts) {
      if (text.empty() || type == GTMix || type == GTChk) continue;
      const double value = std::stod(text);
      sum += value;
      best = type == GTMin ? std::min(best, value) : std::max(best, value);
    }
    switch (type) {
      case GTSum: return FloatToStr(sum);
      case GTAvg: return FloatToStr(sum / static_cast<double>(texts.size()));
      case GTMax:
      case GTMin: return FloatToStr(std::fabs(best) == 1e17 ? 0 : best);
      default:
        for (const std::string& text : texts) {
          if (text != texts[0]) return kColumns[column].Type == ftString ? "混合" : "";
        }
        return texts[0];
    }
  }

  // --- sorting ---

  struct SortField {
    std::string name;
    bool ascending;
  };

  // The pairwise comparison: texts as bytes, refined by number for numeric columns.
  int Order(int32_t a, int32_t b, const std::vector<SortField>& fields) const {
    if (fields.empty()) return a < b ? -1 : (b < a ? 1 : 0);
    for (const SortField& field : fields) {
      const int column = ColumnOf(field.name);
      const std::string x = Expect(a, column), y = Expect(b, column);
      int result = x.compare(y) < 0 ? -1 : (x == y ? 0 : 1);
      if (result != 0 && column >= 0 && kColumns[column].Type != ftString) {
        result = Num(x) < Num(y) ? -1 : (Num(y) < Num(x) ? 1 : 0);
      }
      if (result != 0) return field.ascending ? result : -result;
    }
    return 0;
  }

  // With onlyDataParents, a node whose first child is a data row is sorted with everything
  // below it; other nodes are only looked through.
  void SortModel(int32_t seq, const std::vector<SortField>& fields, bool onlyDataParents) {
    ModelRow& row = model_[seq];
    if (onlyDataParents && (row.children.empty() || !model_[row.children[0]].data)) {
      for (int32_t child : row.children) SortModel(child, fields, true);
      return;
    }
    for (int32_t child : row.children) SortModel(child, fields, false);
    std::stable_sort(row.children.begin(), row.children.end(),
                     [&](int32_t a, int32_t b) { return Order(a, b, fields) < 0; });
  }

  void Sort() {
    std::vector<SortField> fields;
    Tree().ClearSort();
    last_ = "sort";
    for (size_t i = 0, count = Pick(3); i < count; ++i) {
      const size_t column = Pick(kColumns.size() + 1);
      fields.push_back({column == kColumns.size() ? "NAME" : kColumns[column].Name, Pick(2) != 0});
      Tree().AppendSort(fields.back().name, fields.back().ascending);
      last_ += " " + fields.back().name + (fields.back().ascending ? "" : ":desc");
    }
    const bool onlyDataParents = Pick(3) == 0;
    if (onlyDataParents) last_ += " (data parents only)";
    Tree().SetOnlySortDataNode(onlyDataParents);
    SortModel(1, fields, onlyDataParents);
    Tree().reSort();
  }

  // --- rows ---

  // The shown rows by walking the tree: visible nodes under expanded, visible ancestors.
  void Shown(TsnTreeNode* node, std::vector<TsnTreeNode*>& rows) const {
    for (int32_t i = 0; i < node->GetCount(); ++i) {
      TsnTreeNode* child = node->GetItem(i);
      if (!child->GetVisible()) continue;
      rows.push_back(child);
      if (child->GetExpandFlag()) Shown(child, rows);
    }
  }

  void ExpandTo() {
    std::vector<int32_t> seqs = Seqs(true);
    const std::vector<int32_t> groups = Seqs(false);
    seqs.insert(seqs.end(), groups.begin(), groups.end());
    if (seqs.empty()) return;
    const int32_t seq = seqs[Pick(seqs.size())];
    last_ = "expand to " + std::to_string(seq);
    const int32_t row = Tree().ExpandToNode(Node(seq));
    std::vector<TsnTreeNode*> rows;
    Shown(&Tree(), rows);
    const auto found = std::find(rows.begin(), rows.end(), Node(seq));
    expand_check_ = row == (found == rows.end() ? 0 : static_cast<int32_t>(found - rows.begin()) + 1);
    for (TsnTreeNode* above = Node(seq)->GetParent(); above != &Tree(); above = above->GetParent()) {
      // An invisible node keeps its expansion (the tree ignores operations on it).
      expand_check_ = expand_check_ && (above->GetExpandFlag() || !above->GetVisible());
    }
  }

  void SaveRestore() {
    last_ = "save and restore expansion";
    Tree().SaveExpandState();
    std::map<int32_t, bool> saved;
    for (const auto& [seq, row] : model_) {
      if (seq != 1) saved[seq] = Node(seq)->GetExpandFlag();
    }
    for (const auto& [seq, flag] : saved) {
      if (Pick(2)) Node(seq)->SetExpand(!flag);
    }
    Tree().RestoreExpandState();
    for (const auto& [seq, flag] : saved) expand_check_ = expand_check_ && Node(seq)->GetExpandFlag() == flag;
  }

  void Bookmarks() {
    last_ = "bookmarks";
    std::vector<TsnTreeNode*> rows;
    Shown(&Tree(), rows);
    for (int i = 0; i < 5; ++i) {
      const auto seq = static_cast<int32_t>(1 + Pick(Tree().GetSeqCounter() + 1));
      const auto hint = static_cast<int32_t>(Pick(rows.size() + 3));
      const auto found = std::find_if(rows.begin(), rows.end(), [&](TsnTreeNode* n) { return SeqOf(n) == seq; });
      const int32_t expected = found == rows.end() ? -1 : static_cast<int32_t>(found - rows.begin());
      bookmark_check_ = bookmark_check_ && Tree().GetRowIndexByBookMark(hint, seq) == expected;
    }
  }

  // --- comparing ---

  std::string Compare() {
    std::ostringstream out;
    if (!expand_check_) out << "ExpandToNode or the saved expansion differs; ";
    if (!bookmark_check_) out << "a bookmark row differs; ";
    if (Tree().GetSeqCounter() > 0 && model_.size() != CountNodes(&Tree())) out << "node count differs; ";
    for (const auto& [seq, row] : model_) {
      TsnTreeNode* node = Node(seq);
      if (node == nullptr) {
        out << "node " << seq << " missing; ";
        continue;
      }
      std::vector<int32_t> children;
      for (int32_t i = 0; i < node->GetCount(); ++i) children.push_back(SeqOf(node->GetItem(i)));
      if (children != row.children) {
        out << "children of " << seq << " are";
        for (int32_t child : children) out << " " << child;
        out << ", not";
        for (int32_t child : row.children) out << " " << child;
        out << "; ";
      }
      if (node->GetStockCount() != StockBelow(seq)) out << "StockCount of " << seq << "; ";
      if (seq != 1 && node->GetVisible() == row.hidden) out << "visibility of " << seq << "; ";
      for (int column = -1; column < static_cast<int>(kColumns.size()); ++column) {
        const std::string name = column < 0 ? "NAME" : kColumns[column].Name;
        const std::string got = seq == 1 && column < 0 ? Tree().GetRooterValue(f_.F(name)) : f_.Cell(node, name);
        const std::string want = Expect(seq, column);
        if (got != want && !SameAverage(column, got, want)) out << "cell " << seq << "." << name << " is '" << got << "' not '" << want << "'; ";
      }
    }
    std::vector<TsnTreeNode*> rows;
    Shown(&Tree(), rows);
    if (Tree().GetRecordCount() != static_cast<int32_t>(rows.size())) out << "row count differs; ";
    for (size_t i = 0; i < rows.size() && i < static_cast<size_t>(Tree().GetRecordCount()); ++i) {
      if (Tree().GetRowData(static_cast<int32_t>(i))->GetNode() != rows[i]) out << "row " << i << " differs; ";
    }
    return out.str();
  }

  // Averages of averages sum inexact texts, so a total worked out before a sort may differ from
  // one worked out after it in the last digit.
  static bool SameAverage(int column, const std::string& got, const std::string& want) {
    if (column < 0 || kColumns[column].Group != GTAvg || got.empty() || want.empty()) return false;
    return std::fabs(Num(got) - Num(want)) <= 1e-12 * std::max(1.0, std::fabs(Num(want)));
  }

  static size_t CountNodes(TsnTreeNode* node) {
    size_t count = 1;
    for (int32_t i = 0; i < node->GetCount(); ++i) count += CountNodes(node->GetItem(i));
    return count;
  }

  std::mt19937 rng_;
  DataTreeFixture<FilteredDataTree> f_;
  std::map<int32_t, ModelRow> model_;
  std::string last_ = "build";
  bool expand_check_ = true;
  bool bookmark_check_ = true;
};

TEST(DataTreeProperty, RandomStepsMatchTheModel) {
  for (uint32_t seed = 1; seed <= 100; ++seed) {
    ASSERT_EQ(Driver(seed).Run(40), "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace ruzi::treetest
