#pragma once
// One column of an open dataset, read and written on the dataset's active record. Values are
// GBK text underneath; the typed forms convert by the field's type (numbers with "." as the
// decimal separator, booleans as "1"/"0", dates as "yyyy-mm-dd", times as "hh:nn:ss",
// date-times as "yyyy-mm-dd hh:nn:ss"). Null is apart from the empty text.
// Created and owned by its dataset when it opens; the dataset's thread only.
#include <cstdint>
#include <optional>
#include <string>

#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/variant.h"
#include "ruzirareva/query/field_type.h"

namespace ruzi {

class DataField;
class DataSet;

// Called while a field is being freed (its dataset closing or going away), with the field.
using TFieldFreeNotice = TEvent<DataField*>;

class RUZI_API DataField {
 public:
  DataField(DataSet* data_set, std::string name, TFieldType type, int32_t size, int index);
  // Tells every holder of a free notice, the first registered first.
  ~DataField();
  DataField(const DataField&) = delete;
  DataField& operator=(const DataField&) = delete;

  DataSet* GetDataSet() const { return data_set_; }
  const std::string& FieldName() const { return name_; }
  TFieldType DataType() const { return type_; }
  int32_t Size() const { return size_; }
  // Position in the dataset's field list (0-based), and the 1-based field number.
  int Index() const { return index_; }
  int FieldNo() const { return index_ + 1; }
  TFieldKind FieldKind() const { return kind_; }
  void SetFieldKind(TFieldKind kind) { kind_ = kind; }
  bool Required() const { return required_; }
  void SetRequired(bool required) { required_ = required; }
  bool ReadOnly() const { return read_only_; }
  void SetReadOnly(bool read_only) { read_only_ = read_only; }
  // Whether a grid shows the field.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  // The label shown for the field: its name unless one was set.
  const std::string& DisplayName() const { return label_.empty() ? name_ : label_; }
  void SetDisplayLabel(const std::string& label) { label_ = label; }
  // A slot for an object the caller attaches (the tree's field companion); never freed here.
  void* Object() const { return object_; }
  void SetObject(void* object) { object_ = object; }
  // Whoever keeps a pointer to the field registers here to hear when it goes, and withdraws
  // when it stops keeping it. A notice may be withdrawn from inside a notice.
  void FreeNotification(TFieldFreeNotice notice);
  void RemoveFreeNotification(TFieldFreeNotice notice);

  // The value on the active record; nothing when it is null.
  std::optional<std::string> Value() const;
  bool IsNull() const { return !Value().has_value(); }
  // "" for null.
  std::string AsString() const;
  // Numbers of the text; null reads 0; a text that is no number raises ConvertError.
  int64_t AsInteger() const;
  double AsFloat() const;
  // "1"/"true" (any case) or a non-zero number read true.
  bool AsBoolean() const;
  // A date-time field's value; a number is taken as days; null reads 0.
  double AsDateTime() const;
  Variant AsVariant() const;

  // Setting needs the dataset in edit or insert mode. The text is checked against the type
  // (ConvertError when it does not fit) and stored in the type's own form; "" makes a
  // non-text field null; a string longer than the field's size is cut (never inside a
  // double-byte character).
  void SetAsString(const std::string& text);
  void SetAsInteger(int64_t value);
  void SetAsFloat(double value);
  void SetAsBoolean(bool value);
  void SetAsDateTime(double value);
  void SetAsVariant(const Variant& value);
  void Clear();

  // The type's own form of a text, or nothing when the text does not fit the type.
  std::optional<std::string> NormalText(const std::string& text) const;

 private:
  void Store(std::optional<std::string> value);

  DataSet* data_set_;
  std::string name_;
  TFieldType type_;
  int32_t size_;
  int index_;
  TFieldKind kind_ = fkData;
  bool required_ = false;
  bool read_only_ = false;
  bool visible_ = true;
  std::string label_;
  void* object_ = nullptr;
  std::vector<TFieldFreeNotice> free_notices_;
};

}  // namespace ruzi
