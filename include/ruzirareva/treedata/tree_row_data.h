#pragma once
// TTreeRowData: one row of a data tree, a cache of its field values in one memory block laid
// out by TFieldBufferDefs (see field_buffer_defs.h for the slot bytes). Numbers, booleans and
// currency are kept in their own width (currency as a 64-bit integer scaled by 10,000), all
// else as zero-terminated text; a text that does not fit its slot widens that slot in this row
// only, moving the later slots. Rows share one slot layout until one widens a slot.
// A row made with cmGetCreate allocates its block on its first write; until then every slot
// reads unread and empty. A text that is no number where a number is kept raises ConvertError
// and leaves the slot as it was. Text forms: booleans "1"/"0" ("True"/"False" read too),
// floats with 15 significant digits.
// Owned by its node's tree; the tree's thread only.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/treedata/field_buffer_defs.h"
#include "ruzirareva/treedata/row_data_types.h"

namespace ruzi {

class DataField;
class DataSet;
class NodeSlab;
class TQxList;
class TsnTreeNode;

using TInvestType = std::vector<uint8_t>;

class RUZI_API TTreeRowData {
 public:
  // Layout: the slot layout of DataSet's fields (TFieldBufferDefs::CacheLayout). BlockBesideRow
  // only for a row made with new (Slab): its block then comes from that slab too.
  TTreeRowData(TFieldCreateModle CreateModle, DataSet* DataSet, std::shared_ptr<TCacheLayout> Layout,
               bool BlockBesideRow = false);
  virtual ~TTreeRowData();
  TTreeRowData(const TTreeRowData&) = delete;
  TTreeRowData& operator=(const TTreeRowData&) = delete;
  // A tree's rows come from its slab, each beside its node; a row made with plain new comes
  // from the heap. Either is freed with delete.
  static void* operator new(std::size_t Size);
  static void* operator new(std::size_t Size, NodeSlab* Slab);
  static void operator delete(void* Row, std::size_t Size);
  static void operator delete(void* Row, NodeSlab* Slab);

  // Once per row: with cmInitCreate the block is allocated, each slot's read-only bit taken
  // from its field.
  virtual void InternalInitlField(DataSet* DataSet);

  // Typed values. Reading an unread or null slot gives 0 / empty text.
  std::string GetAsString(const DataField* Field);
  int64_t GetAsInteger(const DataField* Field);
  uint16_t GetAsWord(const DataField* Field) { return static_cast<uint16_t>(GetAsInteger(Field)); }
  bool GetAsBoolean(const DataField* Field);
  double GetAsFloat(const DataField* Field);
  // Scaled by 10,000.
  int64_t GetAsCurrency(const DataField* Field);
  double GetAsDateTime(const DataField* Field);
  // Writing clears the null flag; a value out of the slot's range raises ConvertError.
  void SetAsString(const DataField* Field, const std::string& Value);
  void SetAsInteger(const DataField* Field, int64_t Value);
  void SetAsWord(const DataField* Field, uint16_t Value) { SetAsInteger(Field, Value); }
  void SetAsBoolean(const DataField* Field, bool Value);
  void SetAsFloat(const DataField* Field, double Value);
  void SetAsCurrency(const DataField* Field, int64_t Value);
  void SetAsDateTime(const DataField* Field, double Value);

  // The slot (nullptr while the block is not allocated), its value, its layout entry.
  uint8_t* GetFieldBuffer(const DataField* Field);
  uint8_t* GetValueBuffer(const DataField* Field);
  TCacheDef GetFieldDef(const DataField* Field);
  bool GetFieldNullFlag(const DataField* Field);
  void SetFieldNullFlag(const DataField* Field, bool Value);
  bool GetReadOnly(const DataField* Field);
  void SetReadOnly(const DataField* Field, bool Value);
  TFieldDataState GetFieldState(const DataField* Field);
  void SetFieldState(const DataField* Field, TFieldDataState Value);
  int32_t GetFieldTag(const DataField* Field);
  void SetFieldTag(const DataField* Field, int32_t Value);
  bool HaveRead(const DataField* Field) { return GetFieldState(Field) == DSRead; }
  // For a read slot: true, with its number (0 for text that is no number) and whether it is
  // null, in one look-up; false for a slot not read. Totals over many rows use it.
  bool GetReadNumber(const DataField* Field, double& Value, bool& IsNull);
  // The same for the slot of Def in Layout, the layout rows share: false also when this row
  // keeps a layout of its own. Totals read a column of many rows with one look-up.
  bool GetReadNumberAt(const TCacheLayout* Layout, const TCacheDef& Def, double& Value, bool& IsNull) const;
  // A number column's cell set from Text as SetFieldValue sets it, giving the number it now
  // holds (0 and IsNull for an empty text), where this row's slots are Layout's and it has been
  // initialised; else false, nothing written. Raises the conversion error, slot unchanged.
  bool SetReadTextAt(const TCacheLayout* Layout, const TCacheDef& Def, std::string_view Text, double& Value,
                     bool& IsNull);
  int32_t GetFieldCount() const;

  // The value as text (empty for null), and setting it from text: empty text makes a numeric
  // slot null; the slot becomes DSRead.
  std::string GetFieldValue(const DataField* Field);
  void SetFieldValue(const DataField* Field, const std::string& Text);
  // Widens the slot of Def to NewSize bytes of value.
  void ReAllocFieldMem(const TCacheDef& Def, int32_t NewSize);

  // Unread with the value zeroed (flags but the state kept); for every field; for the
  // read-only ones. ReStat marks a slot stale.
  void Reset(const DataField* Field);
  void ResetFieldValue();
  void ResetReadOnlyFieldValue();
  void ReStat(const DataField* Field) { SetFieldState(Field, DSReset); }
  void ReStatFieldValue();

  void SetInvest(const uint8_t* Bytes, int32_t Length);
  void SetTag(int32_t Value) { Tag = Value; }
  // True when checked or mixed.
  bool GetChecked() const { return Checked != 0; }
  // Checks or unchecks the row and every row below it, marks the rows above stale (-2) and
  // tells a tree dataset.
  void SetChecked(bool Value);
  // Whether the tree dataset's grid has this row selected.
  bool GetSelected() const;
  // The owned list, made on first use.
  TQxList* GetItems();

  // Fields.
  int32_t GetRecNo() const { return RecNo; }
  void SetRecNo(int32_t Value) { RecNo = Value; }
  bool GetIsGroup() const { return IsGroup != 0; }
  void SetIsGroup(bool Value) { IsGroup = Value ? 1 : 0; }
  TsnTreeNode* GetNode() const { return Node; }
  void SetNode(TsnTreeNode* Value) { Node = Value; }
  const TInvestType& GetInvest() const { return Rare ? Rare->Invest : NoInvest(); }
  int32_t GetInvestLength() const { return Rare ? static_cast<int32_t>(Rare->Invest.size()) : 0; }
  uint8_t GetPositionFlag() const { return PositionFlag; }
  void SetPositionFlag(uint8_t Value) { PositionFlag = Value; }
  TFieldCreateModle GetCreateModle() const { return CreateModle; }
  int32_t GetSeqNo() const { return SeqNo; }
  void SetSeqNo(int32_t Value) { SeqNo = Value; }
  bool GetSavedExpanded() const { return SavedExpanded != 0; }
  void SetSavedExpanded(bool Value) { SavedExpanded = Value ? 1 : 0; }
  bool GetIsStock() const { return IsStock != 0; }
  void SetIsStock(bool Value) { IsStock = Value ? 1 : 0; }
  int32_t GetTag() const { return Tag; }
  int32_t GetCheckedState() const { return Checked; }
  void SetCheckedState(int32_t Value) { Checked = Value; }
  DataSet* GetDataSet() const { return DataSet_; }
  const uint8_t* GetBuffer() const { return Buffer; }
  int32_t GetBufferSize() const { return BufferSize; }
  bool GetInitialized() const { return Initialized != 0; }

 private:
  // What few rows hold (an item list, an invest type), in one block made on first use: a
  // million-row tree then writes a quarter less memory for its rows.
  struct RareFields {
    std::unique_ptr<TQxList> Items;
    TInvestType Invest;
  };

  // The documented fields, those every cell read needs first (the layout, the block and the
  // flags) so they share a cache line: rows are read in bulk in no order in memory; then the
  // rest, packed. CacheDefs is shared with the other rows until this row widens a slot.
  std::shared_ptr<TCacheLayout> CacheDefs;
  uint8_t* Buffer = nullptr;
  int32_t BufferSize = 0;
  uint8_t Initialized = 0;
  uint8_t IsGroup = 1;
  uint8_t IsStock = 0;
  uint8_t SavedExpanded = 0;
  int32_t RecNo = -1;
  int32_t SeqNo = 0;
  TsnTreeNode* Node = nullptr;
  DataSet* DataSet_ = nullptr;
  std::unique_ptr<RareFields> Rare;
  int32_t Tag = -1;
  int32_t Checked = 0;
  TFieldCreateModle CreateModle = cmInitCreate;
  uint8_t PositionFlag = 0;
  uint8_t BlockInSlab = 0;

  static const TInvestType& NoInvest() {
    static const TInvestType none;
    return none;
  }

  void Init() {
    if (!Initialized) InternalInitlField(DataSet_);
  }
  const TCacheDef& DefOf(const DataField* Field);
  void Allocate();
  uint8_t* NewBlock(int32_t Size) const;
  void FreeBlock(uint8_t* Block, int32_t Size) const;
  // The slot of Field, the block allocated first.
  uint8_t* WritableSlot(const DataField* Field);
  void StoreText(const DataField* Field, const std::string& Text);
  void MarkWritten(uint8_t* slot);
  void ResetSlot(const TCacheDef& def);
};

}  // namespace ruzi
