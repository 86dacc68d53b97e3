#include "treedata/multi_field.h"

#include <algorithm>

#include "query/data_field.h"

namespace ruzi {

TMultiField::TMultiField(DataField* Field, DataField* SourceField) : Field(Field), SourceField(SourceField) {
  if (Field != nullptr) {
    Field->SetObject(this);
    FieldPos = Field->Index();
  }
}

TMultiField::~TMultiField() {
  if (Field != nullptr && Field->Object() == this) Field->SetObject(nullptr);
  // A field a dataset holds is the dataset's to free.
  if (OwnsField && Field != nullptr && Field->GetDataSet() == nullptr) delete Field;
  if (OnFreeMultiField.Code != nullptr) OnFreeMultiField.Code(OnFreeMultiField.Data, Field);
}

TMultiField* TMultiField::Of(const DataField* Field) {
  return Field != nullptr ? static_cast<TMultiField*>(Field->Object()) : nullptr;
}

void TMultiField::SetAllowShow(bool Value) {
  AllowShow = Value ? 1 : 0;
  if (!Value && Field != nullptr) Field->SetVisible(false);
}

TFreeMutiField::~TFreeMutiField() { Clear(); }

TMultiField* TFreeMutiField::Attach(DataField* Field, DataField* SourceField) {
  auto companion = std::make_unique<TMultiField>(Field, SourceField);
  companion->OwnsField = 0;
  const TFieldFreeNotice notice{&TFreeMutiField::FieldFreed, this};
  if (Field != nullptr) Field->FreeNotification(notice);
  if (SourceField != nullptr) SourceField->FreeNotification(notice);
  Companions.push_back(std::move(companion));
  return Companions.back().get();
}

void TFreeMutiField::FieldFreed(void* Data, DataField* Field) {
  auto* self = static_cast<TFreeMutiField*>(Data);
  self->FieldRemoved(Field);
  for (const auto& companion : self->Companions) {
    if (companion->SourceField == Field) companion->SourceField = nullptr;
  }
}

void TFreeMutiField::StopListening(const TMultiField& Companion) {
  const TFieldFreeNotice notice{&TFreeMutiField::FieldFreed, this};
  if (Companion.Field != nullptr) Companion.Field->RemoveFreeNotification(notice);
  if (Companion.SourceField != nullptr) Companion.SourceField->RemoveFreeNotification(notice);
}

void TFreeMutiField::FieldRemoved(DataField* Field) {
  const auto found = std::find_if(Companions.begin(), Companions.end(),
                                  [&](const auto& companion) { return companion->Field == Field; });
  if (found == Companions.end()) return;
  StopListening(**found);
  Companions.erase(found);
}

void TFreeMutiField::Clear() {
  while (!Companions.empty()) {
    StopListening(*Companions.back());
    Companions.pop_back();
  }
}

}  // namespace ruzi
