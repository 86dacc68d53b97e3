#include "treedata/tree_row_data.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "foundation/convert_error.h"
#include "foundation/date_time_text.h"
#include "foundation/error.h"
#include "foundation/float_text.h"
#include "foundation/plain_decimal.h"
#include "foundation/string_to_number.h"
#include "query/data_field.h"
#include "query/data_set.h"
#include "query/qx_list.h"
#include "treedata/multi_field.h"
#include "treedata/node_slab.h"
#include "treedata/tree_dataset_link.h"
#include "treedata/tree_node.h"

namespace ruzi {
namespace {

constexpr uint8_t kNullBit = 1;
constexpr uint8_t kReadOnlyBit = 2;
constexpr uint8_t kFlagBits = kNullBit | kReadOnlyBit;
constexpr double kCurrencyScale = 10000.0;

// How a slot holds its value.
enum class SlotKind { Text, Int16, UInt16, Int32, Bool, Double, Currency };

SlotKind KindOf(TFieldType type) {
  switch (type) {
    case ftSmallint: return SlotKind::Int16;
    case ftWord: return SlotKind::UInt16;
    case ftInteger: return SlotKind::Int32;
    case ftBoolean: return SlotKind::Bool;
    case ftFloat: return SlotKind::Double;
    case ftCurrency: return SlotKind::Currency;
    default: return SlotKind::Text;
  }
}

SlotKind KindOf(const DataField* field) { return KindOf(field->DataType()); }

template <typename T>
T Load(const uint8_t* value) {
  T result;
  std::memcpy(&result, value, sizeof result);
  return result;
}

template <typename T>
void Put(uint8_t* value, T number) {
  std::memcpy(value, &number, sizeof number);
}

ConvertError NotA(std::string_view text, const char* what) {
  return ConvertError("'" + std::string(text) + "' is not a valid " + what + " value");
}

bool ParseBoolean(std::string_view text) {
  if (text == "1") return true;
  if (text == "0") return false;
  std::string folded;
  for (char c : text) folded += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  if (folded == "true") return true;
  if (folded == "false") return false;
  if (const auto number = TryStrToFloat(text)) return *number != 0;
  throw NotA(text, "boolean");
}

// The number held in a numeric slot, in the slot's own unit (currency scaled).
int64_t LoadInteger(const uint8_t* value, SlotKind kind) {
  switch (kind) {
    case SlotKind::Int16: return Load<int16_t>(value);
    case SlotKind::UInt16: return Load<uint16_t>(value);
    case SlotKind::Int32: return Load<int32_t>(value);
    case SlotKind::Bool: return value[0] != 0;
    case SlotKind::Currency: return Load<int64_t>(value);
    default: return 0;
  }
}

double LoadFloat(const uint8_t* value, SlotKind kind) {
  if (kind == SlotKind::Double) return Load<double>(value);
  if (kind == SlotKind::Currency) return static_cast<double>(Load<int64_t>(value)) / kCurrencyScale;
  return static_cast<double>(LoadInteger(value, kind));
}

template <typename T>
void PutInRange(uint8_t* value, int64_t number) {
  if (number < std::numeric_limits<T>::min() || number > std::numeric_limits<T>::max()) {
    throw NotA(std::to_string(number), "integer");
  }
  Put<T>(value, static_cast<T>(number));
}

int64_t RoundToInteger(double number) {
  if (!(std::fabs(number) < 9.2e18)) throw NotA(FloatToStr(number), "integer");
  return std::llround(number);
}

void StoreInteger(uint8_t* value, SlotKind kind, int64_t number) {
  switch (kind) {
    case SlotKind::Int16: return PutInRange<int16_t>(value, number);
    case SlotKind::UInt16: return PutInRange<uint16_t>(value, number);
    case SlotKind::Int32: return PutInRange<int32_t>(value, number);
    case SlotKind::Bool: value[0] = number != 0; return;
    case SlotKind::Double: return Put<double>(value, static_cast<double>(number));
    case SlotKind::Currency: return Put<int64_t>(value, RoundToInteger(number * kCurrencyScale));
    default: return;
  }
}

void StoreFloat(uint8_t* value, SlotKind kind, double number) {
  if (kind == SlotKind::Double) return Put<double>(value, number);
  if (kind == SlotKind::Currency) return Put<int64_t>(value, RoundToInteger(number * kCurrencyScale));
  if (kind == SlotKind::Bool) {
    value[0] = number != 0;
    return;
  }
  StoreInteger(value, kind, RoundToInteger(number));
}

// A plain decimal into a float slot or a plain integer into an integer one, the usual cells:
// stored straight from a one-pass read, Number the number the slot now holds. False, nothing
// written, for any other text or slot (StoreParsed then reads it).
bool StorePlain(uint8_t* value, SlotKind kind, std::string_view text, double& number) {
  if (kind == SlotKind::Double && PlainDecimal(text, number)) {
    Put<double>(value, number);
    return true;
  }
  if (int64_t integer = 0; kind == SlotKind::Int32 && PlainInteger(text, integer) &&
                           integer == static_cast<int32_t>(integer)) {
    Put<int32_t>(value, static_cast<int32_t>(integer));
    number = static_cast<double>(integer);
    return true;
  }
  return false;
}

// The number any text gives a numeric slot, checked before the slot is touched; answers the
// number the slot then holds.
double StoreParsed(uint8_t* value, SlotKind kind, std::string_view text) {
  if (kind == SlotKind::Bool) {
    StoreInteger(value, kind, ParseBoolean(text));
  } else if (kind == SlotKind::Double || kind == SlotKind::Currency) {
    const auto number = TryStrToFloat(text);
    if (!number) throw NotA(text, "floating point");
    StoreFloat(value, kind, *number);
  } else {
    const auto number = TryStrToInt64(text);
    if (!number) throw NotA(text, "integer");
    uint8_t scratch[8] = {};
    StoreInteger(scratch, kind, *number);  // raises out of range before the slot changes
    std::memcpy(value, scratch, FieldValueSize(kind == SlotKind::Int32 ? ftInteger : ftSmallint));
  }
  return LoadFloat(value, kind);
}

std::string NumberText(const uint8_t* value, SlotKind kind) {
  switch (kind) {
    case SlotKind::Bool: return value[0] != 0 ? "1" : "0";
    case SlotKind::Double:
    case SlotKind::Currency: return FloatToStr(LoadFloat(value, kind));
    default: return std::to_string(LoadInteger(value, kind));
  }
}

}  // namespace

TTreeRowData::TTreeRowData(TFieldCreateModle CreateModle, DataSet* DataSet, std::shared_ptr<TCacheLayout> Layout,
                           bool BlockBesideRow)
    : CacheDefs(std::move(Layout)), DataSet_(DataSet), CreateModle(CreateModle), BlockInSlab(BlockBesideRow) {
  if (!CacheDefs) CacheDefs = std::make_shared<TCacheLayout>();
}

TTreeRowData::~TTreeRowData() { FreeBlock(Buffer, BufferSize); }

// A block of zeros. A tree's row takes it from the tree's slab, so the blocks of rows read
// together lie together (and in large pages); else from the heap.
uint8_t* TTreeRowData::NewBlock(int32_t Size) const {
  const auto bytes = static_cast<std::size_t>(Size > 0 ? Size : 1);
  return static_cast<uint8_t*>(NodeSlab::AllocateZeroed(bytes, BlockInSlab ? NodeSlab::OwnerOf(this) : nullptr));
}

void TTreeRowData::FreeBlock(uint8_t* Block, int32_t Size) const {
  NodeSlab::Free(Block, static_cast<std::size_t>(Size > 0 ? Size : 1));
}

void* TTreeRowData::operator new(std::size_t Size) { return NodeSlab::Allocate(Size, nullptr); }

void* TTreeRowData::operator new(std::size_t Size, NodeSlab* Slab) { return NodeSlab::Allocate(Size, Slab); }

void TTreeRowData::operator delete(void* Row, std::size_t Size) { NodeSlab::Free(Row, Size); }

void TTreeRowData::operator delete(void* Row, NodeSlab*) { NodeSlab::Free(Row, 0); }

void TTreeRowData::InternalInitlField(DataSet*) {
  Initialized = 1;
  if (CreateModle == cmInitCreate && Buffer == nullptr) Allocate();
}

void TTreeRowData::Allocate() {
  const TCacheDef* last = CacheDefs->empty() ? nullptr : &CacheDefs->back();
  BufferSize = last != nullptr ? last->Offset + last->Size + kSlotHeaderSize : 0;
  Buffer = NewBlock(BufferSize);
  for (const TCacheDef& def : *CacheDefs) {
    if (def.Field != nullptr && def.Field->ReadOnly()) Buffer[def.Offset] |= kReadOnlyBit;
  }
}

const TCacheDef& TTreeRowData::DefOf(const DataField* Field) {
  Init();
  const TMultiField* companion = TMultiField::Of(Field);
  const int32_t index = companion != nullptr ? companion->BufferIndex : (Field != nullptr ? Field->Index() : -1);
  if (index >= 0 && index < static_cast<int32_t>(CacheDefs->size()) && (*CacheDefs)[index].Field == Field) {
    return (*CacheDefs)[index];
  }
  for (const TCacheDef& def : *CacheDefs) {
    if (def.Field == Field) return def;
  }
  throw Error("Field '" + (Field != nullptr ? Field->FieldName() : std::string()) + "' not found");
}

uint8_t* TTreeRowData::WritableSlot(const DataField* Field) {
  const TCacheDef& def = DefOf(Field);
  if (Buffer == nullptr) Allocate();
  return Buffer + def.Offset;
}

uint8_t* TTreeRowData::GetFieldBuffer(const DataField* Field) {
  const TCacheDef& def = DefOf(Field);
  return Buffer != nullptr ? Buffer + def.Offset : nullptr;
}

uint8_t* TTreeRowData::GetValueBuffer(const DataField* Field) {
  uint8_t* slot = GetFieldBuffer(Field);
  return slot != nullptr ? slot + kSlotHeaderSize : nullptr;
}

TCacheDef TTreeRowData::GetFieldDef(const DataField* Field) {
  TCacheDef def = DefOf(Field);
  const uint8_t* value = GetValueBuffer(Field);
  def.DataLen = value != nullptr && KindOf(Field) == SlotKind::Text
                    ? static_cast<int32_t>(strnlen(reinterpret_cast<const char*>(value), def.Size))
                    : 0;
  return def;
}

bool TTreeRowData::GetFieldNullFlag(const DataField* Field) {
  const uint8_t* slot = GetFieldBuffer(Field);
  return slot != nullptr && (slot[0] & kNullBit) != 0;
}

void TTreeRowData::SetFieldNullFlag(const DataField* Field, bool Value) {
  uint8_t* slot = WritableSlot(Field);
  slot[0] = Value ? slot[0] | kNullBit : slot[0] & ~kNullBit;
}

bool TTreeRowData::GetReadOnly(const DataField* Field) {
  const uint8_t* slot = GetFieldBuffer(Field);
  return slot != nullptr ? (slot[0] & kReadOnlyBit) != 0 : Field->ReadOnly();
}

void TTreeRowData::SetReadOnly(const DataField* Field, bool Value) {
  uint8_t* slot = WritableSlot(Field);
  slot[0] = Value ? slot[0] | kReadOnlyBit : slot[0] & ~kReadOnlyBit;
}

TFieldDataState TTreeRowData::GetFieldState(const DataField* Field) {
  const uint8_t* slot = GetFieldBuffer(Field);
  return slot != nullptr ? static_cast<TFieldDataState>(slot[0] >> 2) : DSNoRead;
}

void TTreeRowData::SetFieldState(const DataField* Field, TFieldDataState Value) {
  uint8_t* slot = GetFieldBuffer(Field);
  // An unallocated slot is unread already; marking it stale changes nothing it answers.
  if (slot == nullptr) {
    if (Value == DSRead) slot = WritableSlot(Field);
    else return;
  }
  slot[0] = static_cast<uint8_t>((slot[0] & kFlagBits) | (Value << 2));
}

int32_t TTreeRowData::GetFieldTag(const DataField* Field) {
  const uint8_t* slot = GetFieldBuffer(Field);
  if (slot == nullptr) return 0;
  return static_cast<int32_t>(uint32_t(slot[1]) | uint32_t(slot[2]) << 8 | uint32_t(slot[3]) << 16 |
                              uint32_t(slot[4]) << 24);
}

void TTreeRowData::SetFieldTag(const DataField* Field, int32_t Value) {
  uint8_t* slot = WritableSlot(Field);
  const auto bits = static_cast<uint32_t>(Value);
  for (int i = 0; i < 4; ++i) slot[1 + i] = static_cast<uint8_t>(bits >> (8 * i));
}

bool TTreeRowData::GetReadNumber(const DataField* Field, double& Value, bool& IsNull) {
  const uint8_t* slot = GetFieldBuffer(Field);
  if (slot == nullptr || (slot[0] >> 2) != DSRead) return false;
  IsNull = (slot[0] & kNullBit) != 0;
  const SlotKind kind = KindOf(Field);
  Value = IsNull || kind == SlotKind::Text ? 0 : LoadFloat(slot + kSlotHeaderSize, kind);
  return true;
}

bool TTreeRowData::GetReadNumberAt(const TCacheLayout* Layout, const TCacheDef& Def, double& Value,
                                   bool& IsNull) const {
  if (CacheDefs.get() != Layout || Buffer == nullptr || !Initialized) return false;
  const uint8_t* slot = Buffer + Def.Offset;
  if ((slot[0] >> 2) != DSRead) return false;
  IsNull = (slot[0] & kNullBit) != 0;
  const SlotKind kind = KindOf(Def.Field);
  Value = IsNull || kind == SlotKind::Text ? 0 : LoadFloat(slot + kSlotHeaderSize, kind);
  return true;
}

int32_t TTreeRowData::GetFieldCount() const { return DataSet_ != nullptr ? DataSet_->GetFieldCount() : 0; }

// --- values ---

std::string TTreeRowData::GetFieldValue(const DataField* Field) {
  const uint8_t* slot = GetFieldBuffer(Field);
  if (slot == nullptr) return std::string();
  const uint8_t* value = slot + kSlotHeaderSize;
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) {
    const TCacheDef& def = DefOf(Field);
    return std::string(reinterpret_cast<const char*>(value), strnlen(reinterpret_cast<const char*>(value), def.Size));
  }
  if (slot[0] & kNullBit) return std::string();
  return NumberText(value, kind);
}

void TTreeRowData::SetFieldValue(const DataField* Field, const std::string& Text) {
  uint8_t* slot = WritableSlot(Field);
  const SlotKind kind = KindOf(Field);
  if (kind != SlotKind::Text && Text.empty()) {
    slot[0] |= kNullBit;
  } else {
    SetAsString(Field, Text);
    slot = GetFieldBuffer(Field);
  }
  MarkWritten(slot);
}

bool TTreeRowData::SetReadTextAt(const TCacheLayout* Layout, const TCacheDef& Def, std::string_view Text,
                                 double& Value, bool& IsNull) {
  const SlotKind kind = KindOf(Def.Field);
  if (CacheDefs.get() != Layout || !Initialized || kind == SlotKind::Text) return false;
  if (Buffer == nullptr) Allocate();
  uint8_t* slot = Buffer + Def.Offset;
  IsNull = Text.empty();
  if (IsNull) {
    slot[0] |= kNullBit;
    Value = 0;
  } else {
    if (!StorePlain(slot + kSlotHeaderSize, kind, Text, Value)) Value = StoreParsed(slot + kSlotHeaderSize, kind, Text);
    slot[0] &= ~kNullBit;
  }
  MarkWritten(slot);
  return true;
}

void TTreeRowData::MarkWritten(uint8_t* slot) { slot[0] = static_cast<uint8_t>((slot[0] & kFlagBits) | (DSRead << 2)); }

std::string TTreeRowData::GetAsString(const DataField* Field) { return GetFieldValue(Field); }

void TTreeRowData::SetAsString(const DataField* Field, const std::string& Value) {
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) return StoreText(Field, Value);
  uint8_t* slot = WritableSlot(Field);
  if (Value.empty()) {
    slot[0] |= kNullBit;
    return;
  }
  if (double number = 0; !StorePlain(slot + kSlotHeaderSize, kind, Value, number)) {
    StoreParsed(slot + kSlotHeaderSize, kind, Value);
  }
  slot[0] &= ~kNullBit;
}

void TTreeRowData::StoreText(const DataField* Field, const std::string& Text) {
  WritableSlot(Field);
  const int32_t needed = static_cast<int32_t>(Text.size()) + 1;
  if (needed > DefOf(Field).Size) ReAllocFieldMem(DefOf(Field), needed);
  uint8_t* slot = Buffer + DefOf(Field).Offset;
  std::memcpy(slot + kSlotHeaderSize, Text.c_str(), Text.size() + 1);
  slot[0] &= ~kNullBit;
}

void TTreeRowData::ReAllocFieldMem(const TCacheDef& Def, int32_t NewSize) {
  const int32_t delta = NewSize - Def.Size;
  if (delta <= 0) return;
  if (Buffer == nullptr) Allocate();
  // The layout is shared with other rows until this one changes it.
  const int32_t index = static_cast<int32_t>(&Def - CacheDefs->data());
  const bool ours = index >= 0 && index < static_cast<int32_t>(CacheDefs->size());
  const int32_t slot = ours ? index : DefOf(Def.Field).Index;
  if (CacheDefs.use_count() > 1) CacheDefs = std::make_shared<TCacheLayout>(*CacheDefs);
  TCacheDef& def = (*CacheDefs)[slot];
  const int32_t end = def.Offset + kSlotHeaderSize + def.Size;
  uint8_t* grown = NewBlock(BufferSize + delta);
  std::memcpy(grown, Buffer, end);
  std::memcpy(grown + end + delta, Buffer + end, BufferSize - end);
  FreeBlock(Buffer, BufferSize);
  Buffer = grown;
  BufferSize += delta;
  def.Size = NewSize;
  for (TCacheDef& later : *CacheDefs) {
    if (later.Offset > def.Offset) later.Offset += delta;
  }
}

int64_t TTreeRowData::GetAsInteger(const DataField* Field) {
  const uint8_t* value = GetValueBuffer(Field);
  if (value == nullptr || (value[-kSlotHeaderSize] & kNullBit) != 0) return 0;
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) {
    const std::string text = GetFieldValue(Field);
    return text.empty() ? 0 : StrToInt64(text);
  }
  if (kind == SlotKind::Double || kind == SlotKind::Currency) return RoundToInteger(LoadFloat(value, kind));
  return LoadInteger(value, kind);
}

bool TTreeRowData::GetAsBoolean(const DataField* Field) {
  const uint8_t* value = GetValueBuffer(Field);
  if (value == nullptr || (value[-kSlotHeaderSize] & kNullBit) != 0) return false;
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) {
    const std::string text = GetFieldValue(Field);
    return !text.empty() && ParseBoolean(text);
  }
  return LoadFloat(value, kind) != 0;
}

double TTreeRowData::GetAsFloat(const DataField* Field) {
  const uint8_t* value = GetValueBuffer(Field);
  if (value == nullptr || (value[-kSlotHeaderSize] & kNullBit) != 0) return 0;
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) {
    const std::string text = GetFieldValue(Field);
    return text.empty() ? 0 : StrToFloat(text);
  }
  return LoadFloat(value, kind);
}

int64_t TTreeRowData::GetAsCurrency(const DataField* Field) {
  const uint8_t* value = GetValueBuffer(Field);
  if (value != nullptr && KindOf(Field) == SlotKind::Currency) return Load<int64_t>(value);
  return RoundToInteger(GetAsFloat(Field) * kCurrencyScale);
}

double TTreeRowData::GetAsDateTime(const DataField* Field) {
  if (KindOf(Field) != SlotKind::Text) return GetAsFloat(Field);
  const std::string text = GetFieldValue(Field);
  if (text.empty()) return 0;
  if (const auto date = TryTextToDateTime(text)) return *date;
  return StrToFloat(text);
}

void TTreeRowData::SetAsInteger(const DataField* Field, int64_t Value) {
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) return StoreText(Field, std::to_string(Value));
  uint8_t* slot = WritableSlot(Field);
  StoreInteger(slot + kSlotHeaderSize, kind, Value);
  slot[0] &= ~kNullBit;
}

void TTreeRowData::SetAsBoolean(const DataField* Field, bool Value) {
  if (KindOf(Field) == SlotKind::Text) return StoreText(Field, Value ? "1" : "0");
  SetAsInteger(Field, Value ? 1 : 0);
}

void TTreeRowData::SetAsFloat(const DataField* Field, double Value) {
  const SlotKind kind = KindOf(Field);
  if (kind == SlotKind::Text) return StoreText(Field, FloatToStr(Value));
  uint8_t* slot = WritableSlot(Field);
  StoreFloat(slot + kSlotHeaderSize, kind, Value);
  slot[0] &= ~kNullBit;
}

void TTreeRowData::SetAsCurrency(const DataField* Field, int64_t Value) {
  if (KindOf(Field) != SlotKind::Currency) return SetAsFloat(Field, static_cast<double>(Value) / kCurrencyScale);
  uint8_t* slot = WritableSlot(Field);
  Put<int64_t>(slot + kSlotHeaderSize, Value);
  slot[0] &= ~kNullBit;
}

void TTreeRowData::SetAsDateTime(const DataField* Field, double Value) {
  switch (Field->DataType()) {
    case ftDate: return StoreText(Field, DateToText(Value));
    case ftTime: return StoreText(Field, TimeToText(Value));
    default:
      if (KindOf(Field) == SlotKind::Text) return StoreText(Field, DateTimeToText(Value));
      return SetAsFloat(Field, Value);
  }
}

// --- state ---

void TTreeRowData::ResetSlot(const TCacheDef& def) {
  uint8_t* slot = Buffer + def.Offset;
  slot[0] &= kFlagBits;
  std::memset(slot + kSlotHeaderSize, 0, def.Size);
}

void TTreeRowData::Reset(const DataField* Field) {
  const TCacheDef& def = DefOf(Field);
  if (Buffer != nullptr) ResetSlot(def);
}

void TTreeRowData::ResetFieldValue() {
  Init();
  if (Buffer == nullptr) return;
  for (const TCacheDef& def : *CacheDefs) ResetSlot(def);
}

void TTreeRowData::ResetReadOnlyFieldValue() {
  Init();
  if (Buffer == nullptr) return;
  for (const TCacheDef& def : *CacheDefs) {
    if (Buffer[def.Offset] & kReadOnlyBit) ResetSlot(def);
  }
}

void TTreeRowData::ReStatFieldValue() {
  Init();
  if (Buffer == nullptr) return;
  for (const TCacheDef& def : *CacheDefs) {
    Buffer[def.Offset] = static_cast<uint8_t>((Buffer[def.Offset] & kFlagBits) | (DSReset << 2));
  }
}

void TTreeRowData::SetInvest(const uint8_t* Bytes, int32_t Length) {
  if (!Rare) Rare = std::make_unique<RareFields>();
  Rare->Invest.assign(Bytes, Bytes + (Length > 0 ? Length : 0));
}

TQxList* TTreeRowData::GetItems() {
  if (!Rare) Rare = std::make_unique<RareFields>();
  if (!Rare->Items) Rare->Items = std::make_unique<TQxList>();
  return Rare->Items.get();
}

// --- checks ---

namespace {

void CheckBelow(TsnTreeNode* node, int32_t state) {
  for (int32_t i = 0; i < node->GetCount(); ++i) {
    TsnTreeNode* child = node->GetItem(i);
    if (auto* row = static_cast<TTreeRowData*>(child->GetData())) row->SetCheckedState(state);
    CheckBelow(child, state);
  }
}

}  // namespace

void TTreeRowData::SetChecked(bool Value) {
  const int32_t state = Value ? 1 : 0;
  if (Checked == state) return;
  Checked = state;
  if (Node == nullptr) return;
  CheckBelow(Node, state);
  for (TsnTreeNode* above = Node->GetParent(); above != nullptr; above = above->GetParent()) {
    if (auto* row = static_cast<TTreeRowData*>(above->GetData())) row->SetCheckedState(-2);
  }
  if (auto* link = dynamic_cast<ITreeDataSetLink*>(DataSet_)) link->NodeCheckChange(Node);
}

bool TTreeRowData::GetSelected() const {
  const auto* link = dynamic_cast<const ITreeDataSetLink*>(DataSet_);
  return link != nullptr && link->RowSelected(SeqNo);
}

}  // namespace ruzi
