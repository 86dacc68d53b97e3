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
  Companions.push_back(std::move(companion));
  return Companions.back().get();
}

void TFreeMutiField::FieldRemoved(DataField* Field) {
  const auto found = std::find_if(Companions.begin(), Companions.end(),
                                  [&](const auto& companion) { return companion->Field == Field; });
  if (found != Companions.end()) Companions.erase(found);
}

void TFreeMutiField::Clear() {
  while (!Companions.empty()) Companions.pop_back();
}

}  // namespace ruzi
