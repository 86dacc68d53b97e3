// The data tree's cells: read from the source, aggregated over children, edited and shared out.
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "foundation/error.h"
#include "foundation/float_text.h"
#include "query/data_field.h"
#include "query/data_set.h"
#include "query/memory_data_set.h"
#include "query/qx_compare.h"
#include "treedata/data_tree.h"
#include "treedata/filtered_data_tree.h"
#include "treedata/tree_column.h"

namespace ruzi {
namespace {

constexpr double kNoShare = -1e17;

bool IsNumericType(TFieldType type) {
  return type == ftSmallint || type == ftInteger || type == ftWord || type == ftFloat || type == ftCurrency ||
         type == ftBCD || type == ftLargeint;
}

bool IsStringType(TFieldType type) {
  return type == ftString || type == ftFixedChar || type == ftWideString || type == ftMemo;
}

// Kept as numbers in the row, so a read slot gives its value without text.
bool HeldAsNumber(TFieldType type) {
  return type == ftSmallint || type == ftInteger || type == ftWord || type == ftFloat || type == ftCurrency;
}

// Whether the cell's text (FloatToStr of the slot's number, 15 significant digits) reads back
// as Value, the number parsed from Source: always for integers; for floats when Source has at
// most 15 significant digits and Value is normal, so the text is Source's own value.
bool TextKeepsNumber(TFieldType type, std::string_view source, double value) {
  if (type == ftSmallint || type == ftInteger || type == ftWord) return true;
  if (type != ftFloat) return false;
  const bool normal = value == 0 || std::fabs(value) >= std::numeric_limits<double>::min();
  if (source.size() <= 15) return normal;  // no room for more digits
  int digits = 0;
  int zeros = 0;  // trailing zeros seen so far, significant only when a digit follows
  bool leading = true;
  for (char c : source) {
    if (c == 'e' || c == 'E') break;
    if (c < '0' || c > '9') continue;
    if (c == '0') {
      if (!leading) ++zeros;
      continue;
    }
    leading = false;
    digits += zeros + 1;
    zeros = 0;
  }
  return digits <= 15 && normal;
}

bool IsNumberTotal(TColFieldGroupType type) {
  return type == GTSum || type == GTAvg || type == GTMax || type == GTMin;
}

// A running total of one numeric column over a group's counted children.
struct NumberTotal {
  explicit NumberTotal(TColFieldGroupType type) : Type(type), Best(type == GTMin ? 1e17 : -1e17) {}

  void Add(double value) {
    if (Type == GTSum || Type == GTAvg) {
      Sum += value;
    } else if (Type == GTMax ? value > Best : value < Best) {
      Best = value;
    }
  }
  std::string Text(int32_t counted) const {
    if (counted == 0) return "0";
    if (Type == GTSum) return FloatToStr(Sum);
    if (Type == GTAvg) return FloatToStr(Sum / counted);
    return FloatToStr(Best == (Type == GTMin ? 1e17 : -1e17) ? 0 : Best);
  }

  TColFieldGroupType Type;
  double Sum = 0;
  double Best;
};

// Another numeric column of the group totalled in the same pass, while every counted child
// has its value at hand.
struct AlongsideTotal {
  const TCacheDef* Def;
  int32_t SourceIndex;  // the column's field in the source, or -1
  NumberTotal Total;
  bool AtHand = true;
};

int32_t SourceIndexOf(const DataField* field) {
  const TMultiField* companion = TMultiField::Of(field);
  return companion != nullptr && companion->SourceField != nullptr ? companion->SourceField->Index() : -1;
}

// A data row's numeric cell read from the source into its slot, as GetCellValue reads it, and
// its number taken as the cell's text gives it. False for an empty cell.
bool ReadSourceNumber(TDBTreeNode& tree, TsnTreeNode* node, TTreeRowData* row, DataField* field, double& out) {
  const std::string source = tree.GetFieldValue(node, field);
  row->SetFieldValue(field, source);
  bool null = false;
  if (!row->GetReadNumber(field, out, null) || null) return false;
  if (!TextKeepsNumber(field->DataType(), source, out)) out = TDBTreeNode::snStrToFloat(FloatToStr(out));
  return true;
}

}  // namespace

std::string TDBTreeNode::GetCellValue(TsnTreeNode* Node, DataField* Field) {
  if (OnGetFieldValue.Assigned()) {
    std::string value;
    bool useDefault = true;
    OnGetFieldValue(Node, Field, value, useDefault);
    if (!useDefault) return value;
  }
  TTreeRowData* row = RowOf(Node);
  if (!IsTreeColumn(Field)) {
    if (row == nullptr) return std::string();
    if (row->GetFieldState(Field) != DSRead) row->SetFieldValue(Field, GetFieldValue(Node, Field));
    return row->GetFieldValue(Field);
  }
  std::string text = Node->GetText();
  if (row != nullptr && row->GetIsGroup() && ShowSubDataCount) {
    text += "[" + std::to_string(Node->GetStockCount()) + "]";
  }
  if (row != nullptr) row->SetFieldValue(Field, text);
  return text;
}

std::string TDBTreeNode::GetFieldValue(TsnTreeNode* Node, DataField* Field) {
  const TTreeRowData* row = RowOf(Node);
  const TMultiField* companion = TMultiField::Of(Field);
  if (row == nullptr || row->GetIsGroup()) {
    if (companion != nullptr && companion->GroupType != GTNone) return GetFieldGroupData(Node, Field);
    return std::string();
  }
  if (StockQry != nullptr) {
    if (companion == nullptr || companion->SourceField == nullptr) {
      throw Error("Field [" + Field->FieldName() + "] Not Find");
    }
    return SourceText(row, companion->SourceField);
  }
  return IsNumericType(Field->DataType()) ? "0" : std::string();
}

// The source record's text, read where it lies; record numbers count from 1.
std::string TDBTreeNode::SourceText(const TTreeRowData* Row, DataField* Field) {
  const int32_t recNo = Row->GetRecNo();
  if (recNo < 1 || recNo > StockQry->GetRecordCount()) return std::string();
  if (const auto* memory = dynamic_cast<const MemoryDataSet*>(StockQry)) {
    const std::optional<std::string_view> text = memory->ReadRecordText(recNo, Field->Index());
    return text ? std::string(*text) : std::string();
  }
  if (StockQry->GetRecNo() != recNo) StockQry->SetRecNo(recNo);
  return Field->AsString();
}

std::string TDBTreeNode::GetFieldGroupData(TsnTreeNode* Node, DataField* Field) {
  if (NodeCalcType == CTVisible && !Node->GetVisible()) return "0";
  TTreeRowData* row = RowOf(Node);
  if (row == nullptr || !row->GetIsGroup()) return GetCellValue(Node, Field);
  if (row->HaveRead(Field)) return row->GetFieldValue(Field);
  std::string value;
  bool useDefault = true;
  DoGetGroupValue(Node, Field, value, useDefault);
  if (!useDefault) return value;
  const TMultiField* companion = TMultiField::Of(Field);
  value = Aggregate(Node, Field, companion != nullptr ? companion->GroupType : GTNone);
  row->SetFieldValue(Field, value);
  return value;
}

void TDBTreeNode::DoGetGroupValue(TsnTreeNode* Node, DataField* Field, std::string& Value, bool& DefaultGetValue) {
  OnGetGroupValue(Node, Field, Value, DefaultGetValue);
}

// Whether a cell's text is its slot's, read from the source as GetCellValue reads it, so the
// sort and the totals may take slots and source texts directly. A handler or a class of the
// caller's own (which may override GetCellValue or GetFieldGroupData) sends every cell
// through the virtual reads instead.
bool TDBTreeNode::ReadsCellsPlainly() const {
  const std::type_info& type = typeid(*this);
  return !OnGetFieldValue.Assigned() && (type == typeid(TDBTreeNode) || type == typeid(FilteredDataTree));
}

std::string TDBTreeNode::Aggregate(TsnTreeNode* Node, DataField* Field, TColFieldGroupType Type) {
  const bool numbersInSlots = HeldAsNumber(Field->DataType()) && ReadsCellsPlainly();
  const bool sourceCells = numbersInSlots && !IsTreeColumn(Field);
  // The column's slot in the layout rows share, looked up once for all the children.
  const TCacheLayout* layout = BufferDefs->CacheLayout().get();
  const TMultiField* column = TMultiField::Of(Field);
  const TCacheDef* shared = nullptr;
  if (numbersInSlots && layout != nullptr && column != nullptr && column->BufferIndex >= 0 &&
      column->BufferIndex < static_cast<int32_t>(layout->size()) && (*layout)[column->BufferIndex].Field == Field) {
    shared = &(*layout)[column->BufferIndex];
  }
  // A data row's cell of a memory source read where it lies straight into its slot, as
  // ReadSourceNumber reads it but without copying texts; false where the row keeps slots of
  // its own layout (ReadSourceNumber then reads it).
  const auto* memory = dynamic_cast<const MemoryDataSet*>(StockQry);
  // The source record of the row read last: its cells are found once for all the columns.
  const TTreeRowData* recordRow = nullptr;
  const PackedRow* record = nullptr;
  const auto readInPlace = [&](TTreeRowData* row, const TCacheDef& def, int32_t sourceIndex, double& value,
                               bool& null) {
    if (memory == nullptr || sourceIndex < 0) return false;
    if (row != recordRow) {
      recordRow = row;
      record = memory->RecordCells(row->GetRecNo());
    }
    std::string_view cell;
    if (record != nullptr) record->ReadCell(static_cast<size_t>(sourceIndex), cell);
    if (!row->SetReadTextAt(layout, def, cell, value, null)) return false;
    if (!null && !TextKeepsNumber(def.Field->DataType(), cell, value)) value = snStrToFloat(FloatToStr(value));
    return true;
  };
  const int32_t sourceIndex = shared != nullptr && sourceCells ? SourceIndexOf(Field) : -1;
  // A child's value as a number; false for an empty value. A data row's cell not read yet is
  // read from the source into its slot, and its number taken as the cell's text would give it.
  const auto number = [&](TsnTreeNode* child, double& out) {
    TTreeRowData* row = RowOf(child);
    bool null = false;
    if (numbersInSlots && row != nullptr && !row->GetIsGroup()) {
      if (shared != nullptr && row->GetReadNumberAt(layout, *shared, out, null)) return !null;
      if (sourceIndex >= 0 && readInPlace(row, *shared, sourceIndex, out, null)) return !null;
      if (row->GetReadNumber(Field, out, null)) return !null;
    }
    if (sourceCells && row != nullptr && !row->GetIsGroup()) return ReadSourceNumber(*this, child, row, Field, out);
    const std::string text = GetFieldGroupData(child, Field);
    if (text.empty()) return false;
    out = snStrToFloat(text);
    return true;
  };
  // The group's other numeric totals not worked out yet go along in this pass where every
  // counted child holds them read (a data row's cell, a group's total) or, from a source read
  // in place, where a data row's cell can be read now: a million rows are then walked once for
  // all the columns, not once a column. Each comes out as its own pass would give it; one a
  // child lacks is left to its own pass.
  const bool readsAlong = memory != nullptr;
  std::vector<AlongsideTotal> alongside;
  TTreeRowData* groupRow = RowOf(Node);
  if (shared != nullptr && IsNumberTotal(Type) && groupRow != nullptr && !OnGetGroupValue.Assigned()) {
    for (const TCacheDef& def : *layout) {
      const TMultiField* other = def.Field != nullptr ? TMultiField::Of(def.Field) : nullptr;
      if (other == nullptr || def.Field == Field || IsTreeColumn(def.Field) || !IsNumberTotal(other->GroupType) ||
          !HeldAsNumber(def.Field->DataType()) || groupRow->GetFieldState(def.Field) == DSRead) {
        continue;
      }
      alongside.push_back(AlongsideTotal{&def, SourceIndexOf(def.Field), NumberTotal(other->GroupType)});
    }
  }
  // A data row's cell of another column not read yet, read from the source; false when it
  // holds its own layout's value or the source text is no number (its own pass then reads it).
  const auto readAlong = [&](TsnTreeNode* child, TTreeRowData* row, const AlongsideTotal& column, double& value,
                             bool& null) {
    const TCacheDef& def = *column.Def;
    if (!readsAlong || row->GetIsGroup() || column.SourceIndex < 0) return false;
    try {
      // Not read (its read number was asked first): straight into the slot where it can be.
      if (readInPlace(row, def, column.SourceIndex, value, null)) return true;
      if (row->GetFieldState(def.Field) == DSRead) return false;
      null = !ReadSourceNumber(*this, child, row, def.Field, value);
    } catch (const Error&) {  // its own pass raises it; anything else is no cell's fault
      return false;
    }
    return true;
  };
  const auto addAlongside = [&](TsnTreeNode* child) {
    TTreeRowData* row = RowOf(child);
    if (row == nullptr) return;  // an empty value
    for (AlongsideTotal& other : alongside) {
      double value = 0;
      bool null = false;
      if (!other.AtHand) continue;
      if (row->GetReadNumberAt(layout, *other.Def, value, null)) {
        // A group's total counts as its text reads.
        if (!null) other.Total.Add(row->GetIsGroup() ? snStrToFloat(FloatToStr(value)) : value);
      } else if (readAlong(child, row, other, value, null)) {
        if (!null) other.Total.Add(value);
      } else {
        other.AtHand = false;
      }
    }
  };
  NumberTotal total(Type);
  int32_t counted = 0;
  std::optional<std::string> common;
  bool mixed = false;
  const int32_t count = Node->GetCount();
  for (int32_t i = 0; i < count; ++i) {
    // Ask for the rows a few children ahead, so the reads overlap.
    if (i + 8 < count) __builtin_prefetch(Node->GetItem(i + 8));
    if (i + 4 < count) __builtin_prefetch(RowOf(Node->GetItem(i + 4)));
    if (i + 2 < count) {
      if (const TTreeRowData* ahead = RowOf(Node->GetItem(i + 2)); ahead != nullptr) {
        if (memory != nullptr) memory->PrefetchRecord(ahead->GetRecNo());
        // The whole block, to be written: the totals taken along lie in its other lines.
        if (shared != nullptr && ahead->GetBuffer() != nullptr) {
          for (int32_t at = 0; at < ahead->GetBufferSize(); at += 64) __builtin_prefetch(ahead->GetBuffer() + at, 1);
        }
      }
    }
    TsnTreeNode* child = Node->GetItem(i);
    if (!Counted(child)) continue;
    ++counted;
    double value = 0;
    switch (Type) {
      case GTSum:
      case GTAvg:
      case GTMax:
      case GTMin:
        if (number(child, value)) total.Add(value);
        addAlongside(child);
        break;
      case GTChk:
      case GTMix: {
        std::string text = GetFieldGroupData(child, Field);
        if (!common) {
          common = std::move(text);
        } else if (!mixed && text != *common) {
          mixed = true;
        }
        break;
      }
      default: break;
    }
  }
  for (const AlongsideTotal& other : alongside) {
    if (other.AtHand) groupRow->SetFieldValue(other.Def->Field, other.Total.Text(counted));
  }
  if (IsNumberTotal(Type)) return total.Text(counted);
  if (counted == 0) return "0";
  switch (Type) {
    case GTChk:
    case GTMix:
      if (!mixed) return *common;
      return IsStringType(Field->DataType()) ? "混合" : std::string();
    default: return "0";
  }
}

std::string TDBTreeNode::GetRooterValue(DataField* Field) {
  if (OnGetRooterValue.Assigned()) {
    std::string value;
    OnGetRooterValue(Field, value);
    return value;
  }
  return GetCellValue(this, Field);
}

std::string TDBTreeNode::GetOldValue(TsnTreeNode* Node, DataField* Field) {
  TTreeRowData* row = RowOf(Node);
  return row != nullptr && row->HaveRead(Field) ? row->GetFieldValue(Field) : std::string();
}

// --- editing ---

void TDBTreeNode::ModifyField(TTreeRowData* Row, DataField* Field, const std::string& NewText, bool Share) {
  TsnTreeNode* node = Row->GetNode();
  const std::string oldText = GetCellValue(node, Field);
  if (Compare->qxDbStrComp(oldText.data(), NewText.data(), static_cast<int>(oldText.size()),
                           static_cast<int>(NewText.size())) == 0) {
    return;
  }
  bool canEdit = true;
  std::string newText = NewText;
  DoBeforeEditData(node, Field, canEdit, oldText, newText);
  if (!canEdit) return;
  Row->SetFieldValue(Field, newText);
  DoAfterEditData(node, Field, newText);
  const TMultiField* companion = TMultiField::Of(Field);
  if (companion == nullptr || companion->GroupType == GTNone) return;
  if (Share) OnShareGroupValue(Row, Field, oldText, newText);
  ReStatAncestors(node, Field);
}

void TDBTreeNode::DoBeforeEditData(TsnTreeNode* Node, DataField* Field, bool& CanEdit, const std::string& OldValue,
                                   std::string& NewValue) {
  OnBeforeEditValue(Node, Field, CanEdit, OldValue, NewValue);
}

void TDBTreeNode::DoAfterEditData(TsnTreeNode* Node, DataField* Field, const std::string& EditValue) {
  OnAfterEditValue(Node, Field, EditValue);
}

void TDBTreeNode::OnShareGroupValue(TTreeRowData* Row, DataField* Field, const std::string& OldText,
                                    const std::string& NewText) {
  if (!Row->GetIsGroup() || IsStringType(Field->DataType())) return;
  if (!OnShareValue.Assigned() && !UseDefaultShare) return;
  const auto value = [&](const std::string& text) {
    if (Field->DataType() == ftBoolean) {
      return static_cast<double>(Compare->TranBooleanToInt(text.data(), static_cast<int>(text.size())));
    }
    return snStrToFloat(text);
  };
  TsnTreeNode* node = Row->GetNode();
  const TMultiField* companion = TMultiField::Of(Field);
  const double groupOld = value(OldText);
  const double groupNew = value(NewText);
  double leave = groupNew - groupOld;
  for (int32_t i = 0; i < node->GetCount(); ++i) {
    TsnTreeNode* child = node->GetItem(i);
    if (!Counted(child) || RowOf(child) == nullptr) continue;
    const double rowValue = value(GetFieldGroupData(child, Field));
    double newValue = kNoShare;
    if (OnShareValue.Assigned()) {
      OnShareValue(node, child, companion->GroupType, Field, groupOld, groupNew, leave, rowValue, newValue);
    } else {
      DefaultShareEvent(node, child, companion->GroupType, Field, groupOld, groupNew, leave, rowValue, newValue);
    }
    if (newValue <= kNoShare) break;
    ModifyField(RowOf(child), Field, FloatToStr(newValue), true);
    leave -= newValue - rowValue;
  }
}

void TDBTreeNode::DefaultShareEvent(TsnTreeNode*, TsnTreeNode*, TColFieldGroupType, DataField*,
                                    double GroupOldValue, double GroupNewValue, double, double RowValue,
                                    double& NewValue) {
  if (GroupOldValue != 0) NewValue = (GroupNewValue - GroupOldValue) * (RowValue / GroupOldValue) + RowValue;
}

}  // namespace ruzi
