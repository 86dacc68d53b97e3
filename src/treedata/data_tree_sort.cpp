// The data tree's sort: sibling rows ordered by the sort list's fields, ties kept in order.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string_view>

#include "foundation/error.h"
#include "query/data_field.h"
#include "query/data_set.h"
#include "query/qx_compare.h"
#include "query/qx_sort_list.h"
#include "treedata/data_tree.h"
#include "treedata/lead_radix_sort.h"
#include "treedata/tree_column.h"

namespace ruzi {
namespace {

bool IsIntegerSortType(TFieldType type) {
  return type == ftSmallint || type == ftInteger || type == ftWord || type == ftAutoInc || type == ftLargeint;
}

bool IsFloatSortType(TFieldType type) { return type == ftFloat || type == ftCurrency; }

// Kept as a number in the row's slot (other numeric types are kept as text).
bool NumberInSlot(TFieldType type) {
  return type == ftSmallint || type == ftInteger || type == ftWord || type == ftFloat || type == ftCurrency;
}

// One child's value of one sort field, read once: a number for numeric types, else the text.
struct SortKey {
  double Number = 0;
  std::string_view Text;
};

// A number as 64 bits in the same order (0 and -0 alike).
uint64_t NumberLead(double number) {
  if (number == 0) number = 0;
  uint64_t bits;
  std::memcpy(&bits, &number, sizeof bits);
  return (bits >> 63) != 0 ? ~bits : bits | (uint64_t{1} << 63);
}

// A text's first 8 bytes, big-endian and zero-padded: texts that differ there order as these do.
uint64_t TextLead(std::string_view text) {
  uint64_t lead = 0;
  for (size_t i = 0; i < 8; ++i) lead = lead << 8 | (i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
  return lead;
}

// A text of at most 8 bytes without a zero byte is told apart from any other such text by its
// lead alone.
bool WholeInLead(std::string_view text) {
  return text.size() <= 8 && text.find('\0') == std::string_view::npos;
}

}  // namespace

void TDBTreeNode::AppendSort(const std::string& FieldName, bool Ascending) {
  DataField* field = DataSet_ != nullptr ? DataSet_->FindField(FieldName) : nullptr;
  if (field == nullptr) throw Error("排序时，字段" + FieldName + "不存在！");
  SortList->Add(field->DataType(), field->Index(), Ascending);
}

void TDBTreeNode::ClearSort() { SortList->Clear(); }

void TDBTreeNode::TreeItemSort(TsnTreeNode* Sender, TsnTreeNode* Node1, TsnTreeNode* Node2, int32_t& Compare) {
  if (OnNodeSort.Assigned()) {
    bool useDefault = true;
    OnNodeSort(Sender, Node1, Node2, useDefault, Compare);
    if (!useDefault) return;
  }
  Compare = 0;
  if (SortList->Count() == 0) {
    const TTreeRowData* a = RowOf(Node1);
    const TTreeRowData* b = RowOf(Node2);
    const int32_t x = a != nullptr ? a->GetSeqNo() : 0;
    const int32_t y = b != nullptr ? b->GetSeqNo() : 0;
    Compare = x < y ? -1 : (y < x ? 1 : 0);
    return;
  }
  try {
    for (int i = 0; i < SortList->Count() && Compare == 0; ++i) {
      const TQxSortField& sort = SortList->GetSortField(i);
      DataField* field = DataSet_->Fields(sort.FieldIndex);
      const std::string a = GetCellValue(Node1, field);
      const std::string b = GetCellValue(Node2, field);
      this->Compare->SetAscending(sort.Ascending != 0);
      const int la = static_cast<int>(a.size());
      const int lb = static_cast<int>(b.size());
      Compare = this->Compare->qxDbStrComp(a.data(), b.data(), la, lb);
      if (Compare == 0) continue;
      const auto type = static_cast<TFieldType>(sort.FieldType);
      if (IsIntegerSortType(type)) Compare = this->Compare->qxDbIntegerComp(a.data(), b.data(), la, lb);
      if (IsFloatSortType(type)) Compare = this->Compare->qxDbFloatComp(a.data(), b.data(), la, lb);
    }
    this->Compare->ResetResult();
  } catch (const std::exception& error) {
    this->Compare->ResetResult();
    throw Error(std::string("排序异常:") + error.what());
  }
}

// The fast sort reads each key once, from the slots; it answers as the pairwise comparison
// does unless something other than the slots decides a cell's text or the comparison itself.
bool TDBTreeNode::SortsFast() const { return !OnNodeSort.Assigned() && ReadsCellsPlainly(); }

void TDBTreeNode::reSort() {
  const auto started = std::chrono::steady_clock::now();
  Sorted = 0;
  if (!SortsFast()) {
    if (OnlySortDataNode) {
      std::vector<TsnTreeNode*> dataParents;
      // Bottom-up: the nodes whose first child is a data row, deepest first.
      std::vector<TsnTreeNode*> stack{this};
      while (!stack.empty()) {
        TsnTreeNode* node = stack.back();
        stack.pop_back();
        const TTreeRowData* first = node->HasChild() ? RowOf(node->GetFirstChild()) : nullptr;
        if (first != nullptr && !first->GetIsGroup()) dataParents.push_back(node);
        for (int32_t i = 0; i < node->GetCount(); ++i) stack.push_back(node->GetItem(i));
      }
      for (auto it = dataParents.rbegin(); it != dataParents.rend(); ++it) (*it)->CustomSort(true);
    } else {
      CustomSort(true);
    }
  } else {
    std::vector<std::pair<TsnTreeNode*, std::vector<TsnTreeNode*>>> plan;
    if (OnlySortDataNode) {
      SortDataNodes(this, plan);
    } else {
      SortNode(this, true, plan);
    }
    // Every order is worked out before any is applied, so a failure leaves the tree as it was.
    for (auto& [node, order] : plan) node->ReorderChildren(order);
  }
  SortTime = static_cast<int32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started).count());
}

void TDBTreeNode::SortDataNodes(TsnTreeNode* Node, std::vector<std::pair<TsnTreeNode*, std::vector<TsnTreeNode*>>>& Plan) {
  const TTreeRowData* first = Node->HasChild() ? RowOf(Node->GetFirstChild()) : nullptr;
  if (first != nullptr && !first->GetIsGroup()) return SortNode(Node, true, Plan);
  for (int32_t i = 0; i < Node->GetCount(); ++i) SortDataNodes(Node->GetItem(i), Plan);
}

void TDBTreeNode::SortNode(TsnTreeNode* Node, bool Recurse,
                           std::vector<std::pair<TsnTreeNode*, std::vector<TsnTreeNode*>>>& Plan) {
  const int32_t count = Node->GetCount();
  if (count == 0) return;
  std::vector<TsnTreeNode*> children(count);
  std::vector<TTreeRowData*> rows(count);
  for (int32_t i = 0; i < count; ++i) children[i] = Node->GetItem(i);
  const int fieldCount = count > 1 ? SortList->Count() : 0;
  std::vector<DataField*> fields(fieldCount);
  std::vector<int8_t> ascending(fieldCount);
  std::vector<int8_t> numeric(fieldCount);
  for (int f = 0; f < fieldCount; ++f) {
    fields[f] = DataSet_->Fields(SortList->GetSortField(f).FieldIndex);
    ascending[f] = SortList->GetSortField(f).Ascending != 0;
    numeric[f] = IsIntegerSortType(fields[f]->DataType()) || IsFloatSortType(fields[f]->DataType());
  }
  // One numeric field: its lead decides every pair, so its keys are not kept.
  const bool keepKeys = !(fieldCount == 1 && numeric[0]);
  std::vector<SortKey> keys(keepKeys ? static_cast<size_t>(count) * fieldCount : 0);
  SortKey onlyKey;
  std::vector<LeadEntry> entries(count);
  bool leadsDecide = fieldCount == 1;
  // The only sort field's slot in the layout rows share, when it keeps a number or a text: a
  // row holding it read there gives its key with one look-up.
  const TCacheLayout* layout = BufferDefs->CacheLayout().get();
  const TCacheDef* onlySlot = nullptr;
  const TFieldType onlyType = fieldCount == 1 ? fields[0]->DataType() : ftUnknown;
  const bool slotKeepsNumber = NumberInSlot(onlyType);
  if (fieldCount == 1 && !IsTreeColumn(fields[0]) && (slotKeepsNumber || (!numeric[0] && onlyType != ftBoolean)) &&
      layout != nullptr) {
    const TMultiField* column = TMultiField::Of(fields[0]);
    if (column != nullptr && column->BufferIndex >= 0 && column->BufferIndex < static_cast<int32_t>(layout->size()) &&
        (*layout)[column->BufferIndex].Field == fields[0]) {
      onlySlot = &(*layout)[column->BufferIndex];
    }
  }
  const auto putLead = [&](int32_t i, uint64_t lead) { entries[i] = LeadEntry{ascending[0] ? lead : ~lead, i}; };
  // The key of a row that holds the only sort field read in the shared layout; false when it
  // must be taken the long way.
  const auto quickKey = [&](int32_t i) {
    double number = 0;
    bool null = false;
    if (onlySlot == nullptr || rows[i] == nullptr || !rows[i]->GetReadNumberAt(layout, *onlySlot, number, null)) {
      return false;
    }
    if (slotKeepsNumber) {
      putLead(i, NumberLead(null ? 0 : number));
    } else {
      const auto* text = reinterpret_cast<const char*>(rows[i]->GetBuffer() + onlySlot->Offset + kSlotHeaderSize);
      SortKey& key = keys[i];
      key.Text = std::string_view(text, strnlen(text, onlySlot->Size));
      putLead(i, TextLead(key.Text));
      leadsDecide = leadsDecide && WholeInLead(key.Text);
    }
    return true;
  };
  std::deque<std::string> captions;  // group rows' tree-column texts, which carry their counts

  // Whether a child's keys can be taken without reading a cell: taking them changes nothing.
  const auto keysAtHand = [&](int32_t i) {
    const TTreeRowData* row = rows[i];
    if (row == nullptr) return true;
    for (DataField* field : fields) {
      if (IsTreeColumn(field) ? row->GetIsGroup() : !const_cast<TTreeRowData*>(row)->HaveRead(field)) return false;
    }
    return true;
  };
  const auto readKeys = [&](int32_t i) {
    TTreeRowData* row = rows[i];
    // This row's cells are read before its keys are taken: reading one may widen the row's
    // block, which moves its texts (other rows' blocks stay where they are).
    for (DataField* field : fields) {
      if (row != nullptr && !IsTreeColumn(field) && !row->HaveRead(field)) GetCellValue(children[i], field);
    }
    for (int f = 0; f < fieldCount; ++f) {
      SortKey& key = keepKeys ? keys[static_cast<size_t>(i) * fieldCount + f] : onlyKey;
      const TFieldType type = fields[f]->DataType();
      if (IsTreeColumn(fields[f])) {
        if (row != nullptr && row->GetIsGroup()) {
          key.Text = captions.emplace_back(GetCellValue(children[i], fields[f]));
        } else {
          key.Text = children[i]->GetText();
        }
        if (numeric[f]) key.Number = snStrToFloat(std::string(key.Text));
      } else if (row == nullptr) {
        continue;
      } else if (numeric[f]) {
        key.Number = row->GetAsFloat(fields[f]);
      } else if (const auto* value = reinterpret_cast<const char*>(row->GetValueBuffer(fields[f]))) {
        if (type == ftBoolean) {
          key.Text = row->GetFieldNullFlag(fields[f]) ? "" : (*value != 0 ? "1" : "0");
        } else {
          key.Text = std::string_view(value, strnlen(value, row->GetFieldDef(fields[f]).Size));
        }
      }
    }
    // The first field's key packed in 64 bits that order as the key does, taken while the row
    // is at hand: most pairs are told apart by it without reaching into the rows again.
    const SortKey& first = keepKeys ? keys[static_cast<size_t>(i) * fieldCount] : onlyKey;
    putLead(i, numeric[0] ? NumberLead(first.Number) : TextLead(first.Text));
    leadsDecide = leadsDecide && (numeric[0] || WholeInLead(first.Text));
  };
  const auto takeKeys = [&](int32_t i) {
    try {
      readKeys(i);
    } catch (const std::exception& error) {
      throw Error(std::string("排序异常:") + error.what());
    }
  };

  // One pass over the children reads each node, its row and the row's block once, asking for
  // them a few children ahead (sorted lists leave nodes in no order in memory): the rows, which
  // children have children (only those are sorted below) and the keys already read. Keys that
  // need a cell read are taken after the lists below are sorted, in order, as before.
  const int32_t firstSlot = fieldCount == 0 || layout == nullptr || layout->empty()
                                ? 0
                                : (*layout)[std::min<size_t>(fields[0]->Index(), layout->size() - 1)].Offset;
  std::vector<int32_t> parents;
  std::vector<int32_t> later;
  for (int32_t i = 0; i < count; ++i) {
    if (i + 24 < count) __builtin_prefetch(children[i + 24]);
    if (i + 16 < count) {
      rows[i + 16] = RowOf(children[i + 16]);
      if (rows[i + 16] != nullptr) __builtin_prefetch(rows[i + 16]);
    }
    if (i < 16) rows[i] = RowOf(children[i]);
    if (fieldCount > 0 && i + 8 < count && rows[i + 8] != nullptr && rows[i + 8]->GetBuffer() != nullptr) {
      __builtin_prefetch(rows[i + 8]->GetBuffer() + firstSlot);
    }
    if (children[i]->HasChild()) parents.push_back(i);
    if (fieldCount == 0 || quickKey(i)) continue;
    if (keysAtHand(i)) {
      takeKeys(i);
    } else {
      later.push_back(i);
    }
  }
  if (Recurse) {
    for (int32_t i : parents) SortNode(children[i], true, Plan);
  }
  if (count == 1) return;
  for (int32_t i : later) takeKeys(i);

  if (fieldCount == 0) {
    for (int32_t i = 0; i < count; ++i) entries[i] = LeadEntry{0, i};
    std::stable_sort(entries.begin(), entries.end(), [&](const LeadEntry& a, const LeadEntry& b) {
      return rows[a.Index]->GetSeqNo() < rows[b.Index]->GetSeqNo();
    });
  } else {
    if (leadsDecide) {
      // Equal leads mean equal keys: the leads alone give the order, ties kept.
      RadixSortByLead(entries);
    } else {
      // The whole order of each pair, field by field.
      const auto compare = [&](int32_t a, int32_t b) {
        const SortKey* x = &keys[static_cast<size_t>(a) * fieldCount];
        const SortKey* y = &keys[static_cast<size_t>(b) * fieldCount];
        for (int f = 0; f < fieldCount; ++f) {
          int result;
          if (numeric[f]) {
            result = x[f].Number < y[f].Number ? -1 : (y[f].Number < x[f].Number ? 1 : 0);
          } else {
            const int c = x[f].Text.compare(y[f].Text);
            result = c < 0 ? -1 : (c > 0 ? 1 : 0);
          }
          if (result != 0) return ascending[f] ? result < 0 : result > 0;
        }
        return false;
      };
      std::stable_sort(entries.begin(), entries.end(), [&](const LeadEntry& a, const LeadEntry& b) {
        if (a.Lead != b.Lead) return a.Lead < b.Lead;
        return compare(a.Index, b.Index);
      });
    }
  }
  bool moved = false;
  std::vector<TsnTreeNode*> sorted(count);
  for (int32_t i = 0; i < count; ++i) {
    sorted[i] = children[entries[i].Index];
    moved = moved || entries[i].Index != i;
  }
  if (moved) Plan.emplace_back(Node, std::move(sorted));
}

}  // namespace ruzi
