#include "treedata/field_buffer_defs.h"

#include "query/data_set.h"
#include "treedata/multi_field.h"

namespace ruzi {

int32_t FieldValueSize(TFieldType type) {
  switch (type) {
    case ftString:
    case ftDate:
    case ftTime:
    case ftDateTime:
    case ftWideString: return 20;
    case ftSmallint:
    case ftWord: return 2;
    case ftInteger: return 4;
    case ftBoolean: return 1;
    case ftFloat:
    case ftCurrency: return 8;
    default: return 4;
  }
}

TFieldBufferDefs::~TFieldBufferDefs() = default;

TFieldBufferDef* TFieldBufferDefs::AddDef(DataField* Field) {
  auto def = std::make_unique<TFieldBufferDef>();
  def->Setindex(Count());
  def->SetField(Field);
  def->SetFieldType(Field->DataType());
  Defs.push_back(std::move(def));
  return Defs.back().get();
}

TFieldBufferDef* TFieldBufferDefs::GetDef(const DataField* Field) const {
  for (const auto& def : Defs) {
    if (def->Field() == Field) return def.get();
  }
  return nullptr;
}

void TFieldBufferDefs::Init(DataSet* DataSet) {
  Clear();
  DataSet_ = DataSet;
  int32_t offset = 0;
  auto layout = std::make_shared<TCacheLayout>();
  for (int i = 0; i < DataSet->GetFieldCount(); ++i) {
    TFieldBufferDef* def = AddDef(DataSet->Fields(i));
    def->SetOffset(offset);
    def->SetSize(FieldValueSize(def->FieldType()));
    layout->push_back(TCacheDef{def->Field(), offset, def->Size(), 0, def->Index()});
    offset += def->Size() + kSlotHeaderSize;
  }
  MaxBufferSize = offset;
  Layout = std::move(layout);
}

TFieldBufferDef* TFieldBufferDefs::GetItems(int32_t I) const {
  return I >= 0 && I < Count() ? Defs[I].get() : nullptr;
}

void TFieldBufferDefs::Clear() {
  Defs.clear();
  MaxBufferSize = 0;
  Layout.reset();
}

TFieldBufferDef* TTreeQueryFieldBufferDefs::AddDef(DataField* Field) {
  TFieldBufferDef* def = TFieldBufferDefs::AddDef(Field);
  if (TMultiField* companion = TMultiField::Of(Field)) companion->BufferIndex = def->Index();
  return def;
}

TFieldBufferDef* TTreeQueryFieldBufferDefs::GetDef(const DataField* Field) const {
  const TMultiField* companion = TMultiField::Of(Field);
  if (companion == nullptr) return TFieldBufferDefs::GetDef(Field);
  return GetItems(companion->BufferIndex);
}

}  // namespace ruzi
