#pragma once
// The layout of a data tree's row block, worked out once per dataset: one slot per field, in
// field order, without gaps. A slot is a flag byte (bit 0 null, bit 1 read-only, bits 2-7 the
// read state), a little-endian 32-bit tag and Size bytes of value, Size by the field's type:
// texts, dates and times 20 (zero-terminated), small integer and word 2, integer 4, boolean 1,
// float and currency 8, anything else 4.
// TTreeQueryFieldBufferDefs finds a field's def through its companion (TMultiField) instead
// of searching. Owned by one tree; not thread-safe.
#include <cstdint>
#include <memory>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/query/field_type.h"

namespace ruzi {

class DataField;
class DataSet;

// Bytes before a slot's value: the flags and the tag.
inline constexpr int32_t kSlotHeaderSize = 5;

// Value bytes reserved for a field of this type.
RUZI_API int32_t FieldValueSize(TFieldType type);

// One field's slot in the row block, as a row keeps it: Size is the value's capacity and
// DataLen the length of the text it holds.
struct TCacheDef {
  DataField* Field = nullptr;
  int32_t Offset = 0;
  int32_t Size = 0;
  int32_t DataLen = 0;
  int32_t Index = 0;
};

// The slot layout every new row starts from; a row copies it before widening a slot.
using TCacheLayout = std::vector<TCacheDef>;

class RUZI_API TFieldBufferDef {
 public:
  int32_t Offset() const { return Offset_; }
  DataField* Field() const { return Field_; }
  TFieldType FieldType() const { return FieldType_; }
  int32_t Index() const { return Index_; }
  int32_t Size() const { return Size_; }
  void SetOffset(int32_t Value) { Offset_ = Value; }
  void SetField(DataField* Value) { Field_ = Value; }
  void SetFieldType(TFieldType Value) { FieldType_ = Value; }
  void Setindex(int32_t Value) { Index_ = Value; }
  void SetSize(int32_t Value) { Size_ = Value; }

 private:
  int32_t Offset_ = 0;
  DataField* Field_ = nullptr;
  TFieldType FieldType_ = ftUnknown;
  int32_t Index_ = 0;
  int32_t Size_ = 0;
};

class RUZI_API TFieldBufferDefs {
 public:
  TFieldBufferDefs() = default;
  virtual ~TFieldBufferDefs();
  TFieldBufferDefs(const TFieldBufferDefs&) = delete;
  TFieldBufferDefs& operator=(const TFieldBufferDefs&) = delete;

  // Virtual operations, in slot order.
  // A new def for Field at the end of the list; its offset and size are set by Init.
  virtual TFieldBufferDef* AddDef(DataField* Field);
  // Field's def, or nullptr.
  virtual TFieldBufferDef* GetDef(const DataField* Field) const;

  // Lays out every field of DataSet in order; MaxBufferSize becomes the block size.
  void Init(DataSet* DataSet);
  TFieldBufferDef* GetItems(int32_t I) const;
  int32_t Count() const { return static_cast<int32_t>(Defs.size()); }
  int32_t GetMaxBufferSize() const { return MaxBufferSize; }
  DataSet* GetDataSet() const { return DataSet_; }
  void Clear();
  // The layout as rows keep it, shared by every row until one widens a slot.
  const std::shared_ptr<TCacheLayout>& CacheLayout() const { return Layout; }

 protected:
  std::vector<std::unique_ptr<TFieldBufferDef>> Defs;
  int32_t MaxBufferSize = 0;
  DataSet* DataSet_ = nullptr;

 private:
  std::shared_ptr<TCacheLayout> Layout;
};

class RUZI_API TTreeQueryFieldBufferDefs : public TFieldBufferDefs {
 public:
  // Also tells the field's companion the def's index.
  TFieldBufferDef* AddDef(DataField* Field) override;
  // The def at the companion's index; a field without a companion is searched for.
  TFieldBufferDef* GetDef(const DataField* Field) const override;
};

}  // namespace ruzi
