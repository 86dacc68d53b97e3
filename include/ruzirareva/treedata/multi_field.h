#pragma once
// A data tree column's companion: the dataset field holds it in its object slot and the
// companion refers back. It keeps the column's slot index in the row block, its position in the
// dataset (0 is the tree column), the same-named field of the source query and how group rows
// work the column out. TFreeMutiField owns the companions a tree makes and frees one when its
// field goes. One thread at a time.
#include <cstdint>
#include <memory>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/treedata/row_data_types.h"

namespace ruzi {

class DataField;

struct TOnFreeMultiField {
  void (*Code)(void* Data, DataField* Field) = nullptr;
  void* Data = nullptr;
};

class RUZI_API TMultiField {
 public:
  // Attaches itself to Field's object slot.
  TMultiField(DataField* Field, DataField* SourceField);
  // Clears the field's slot, frees the field when it owns it and no dataset holds it, calls
  // OnFreeMultiField and frees the auxiliary object.
  virtual ~TMultiField();
  TMultiField(const TMultiField&) = delete;
  TMultiField& operator=(const TMultiField&) = delete;

  // The companion in Field's object slot, or nullptr.
  static TMultiField* Of(const DataField* Field);

  DataField* GetField() const { return Field; }
  DataField* GetSourceField() const { return SourceField; }
  void SetSourceField(DataField* Value) { SourceField = Value; }
  // False also hides the field.
  void SetAllowShow(bool Value);
  bool GetAllowShow() const { return AllowShow != 0; }

  // The fields in their documented order.
  DataField* Field = nullptr;
  DataField* SourceField = nullptr;
  uint8_t Flag = 0;
  TColFieldGroupType GroupType = GTNone;
  uint8_t OwnsField = 1;
  int32_t BufferIndex = -1;
  int32_t FieldPos = 0;
  std::unique_ptr<TPersistent> AuxObject;
  uint8_t AllowShow = 1;
  TOnFreeMultiField OnFreeMultiField;
};

class RUZI_API TFreeMutiField : public TComponent {
 public:
  explicit TFreeMutiField(TComponent* Owner = nullptr) : TComponent(Owner) {}
  // Frees every companion it still holds.
  ~TFreeMutiField() override;

  // A companion for Field, held here; it never frees the field. From then on the notifier
  // hears when Field or SourceField is freed: the companion goes with its field, and forgets
  // a source field that goes.
  TMultiField* Attach(DataField* Field, DataField* SourceField);
  // Field goes away: its companion is freed and the field's slot cleared.
  void FieldRemoved(DataField* Field);
  // Frees every companion.
  void Clear();
  int32_t Count() const { return static_cast<int32_t>(Companions.size()); }

 private:
  static void FieldFreed(void* Data, DataField* Field);
  // Withdraws the notices a companion's fields hold for it.
  void StopListening(const TMultiField& Companion);

  std::vector<std::unique_ptr<TMultiField>> Companions;
};

}  // namespace ruzi
