#include "query/data_field.h"

#include <algorithm>
#include <cmath>

#include "foundation/convert_error.h"
#include "foundation/date_time_text.h"
#include "foundation/float_text.h"
#include "foundation/gbk.h"
#include "foundation/string_to_number.h"
#include "platform/ascii_case.h"
#include "query/data_set.h"

namespace ruzi {
namespace {

bool IsTextType(TFieldType type) {
  return type == ftString || type == ftFixedChar || type == ftWideString || type == ftMemo || type == ftUnknown;
}

std::optional<std::string> BooleanText(const std::string& text) {
  if (text == "1" || AsciiEqualIgnoreCase(text, "true")) return std::string("1");
  if (text == "0" || AsciiEqualIgnoreCase(text, "false")) return std::string("0");
  return std::nullopt;
}

}  // namespace

DataField::DataField(DataSet* data_set, std::string name, TFieldType type, int32_t size, int index)
    : data_set_(data_set), name_(std::move(name)), type_(type), size_(size), index_(index) {}

DataField::~DataField() {
  // Taken out first, so a holder withdrawing its notice from inside one changes nothing here.
  const std::vector<TFieldFreeNotice> notices = std::move(free_notices_);
  for (const TFieldFreeNotice& notice : notices) notice(this);
}

void DataField::FreeNotification(TFieldFreeNotice notice) { free_notices_.push_back(notice); }

void DataField::RemoveFreeNotification(TFieldFreeNotice notice) {
  const auto found = std::find(free_notices_.begin(), free_notices_.end(), notice);
  if (found != free_notices_.end()) free_notices_.erase(found);
}

std::optional<std::string> DataField::Value() const { return data_set_->ReadFieldValue(this); }

std::string DataField::AsString() const { return Value().value_or(""); }

int64_t DataField::AsInteger() const {
  const std::string text = AsString();
  if (text.empty()) return 0;
  if (IsFloatFieldType(type_)) return std::llround(StrToFloat(text));
  if (type_ == ftBoolean) return AsBoolean() ? 1 : 0;
  return StrToInt64(text);
}

double DataField::AsFloat() const {
  const std::string text = AsString();
  if (text.empty()) return 0;
  if (IsDateTimeFieldType(type_)) return AsDateTime();
  if (type_ == ftBoolean) return AsBoolean() ? 1 : 0;
  return StrToFloat(text);
}

bool DataField::AsBoolean() const {
  const std::string text = AsString();
  if (text.empty()) return false;
  if (auto flag = BooleanText(text)) return *flag == "1";
  return StrToFloat(text) != 0;
}

double DataField::AsDateTime() const {
  const std::string text = AsString();
  if (text.empty()) return 0;
  if (auto date = TryTextToDateTime(text)) return *date;
  if (auto days = TryStrToFloat(text)) return *days;
  throw ConvertError("'" + text + "' is not a valid date and time");
}

Variant DataField::AsVariant() const {
  const std::optional<std::string> value = Value();
  if (!value) return Variant();
  if (IsIntegerFieldType(type_)) return Variant::FromInteger(AsInteger());
  if (IsFloatFieldType(type_)) return Variant::FromFloat(AsFloat());
  if (IsDateTimeFieldType(type_)) return Variant::FromDateTime(AsDateTime());
  if (type_ == ftBoolean) return Variant::FromBoolean(AsBoolean());
  if (type_ == ftBytes || type_ == ftVarBytes || type_ == ftBlob) return Variant::FromBytes(*value);
  return Variant::FromString(*value);
}

std::optional<std::string> DataField::NormalText(const std::string& text) const {
  if (IsIntegerFieldType(type_)) {
    const auto number = TryStrToInt64(text);
    if (!number) return std::nullopt;
    return std::to_string(*number);
  }
  if (IsFloatFieldType(type_)) {
    const auto number = TryStrToFloat(text);
    if (!number) return std::nullopt;
    return FloatToStr(*number);
  }
  if (type_ == ftBoolean) return BooleanText(text);
  if (IsDateTimeFieldType(type_)) {
    auto date = TryTextToDateTime(text);
    if (!date) return std::nullopt;
    if (type_ == ftDate) return DateToText(*date);
    if (type_ == ftTime) return TimeToText(*date);
    return DateTimeToText(*date);
  }
  if ((type_ == ftString || type_ == ftFixedChar) && size_ > 0 && text.size() > static_cast<size_t>(size_)) {
    return text.substr(0, GbkSafeLength(text, static_cast<size_t>(size_)));
  }
  return text;
}

void DataField::Store(std::optional<std::string> value) { data_set_->WriteFieldValue(this, std::move(value)); }

void DataField::SetAsString(const std::string& text) {
  if (text.empty() && !IsTextType(type_)) {
    Store(std::nullopt);
    return;
  }
  std::optional<std::string> normal = NormalText(text);
  if (!normal) {
    const char* what = IsIntegerFieldType(type_) ? "integer"
                       : IsFloatFieldType(type_) ? "floating point"
                       : type_ == ftBoolean      ? "boolean"
                                                 : "date and time";
    throw ConvertError("'" + text + "' is not a valid " + std::string(what) + " value");
  }
  Store(std::move(normal));
}

void DataField::SetAsInteger(int64_t value) { SetAsString(std::to_string(value)); }

void DataField::SetAsFloat(double value) {
  if (IsIntegerFieldType(type_)) {
    SetAsInteger(std::llround(value));
  } else if (IsDateTimeFieldType(type_)) {
    SetAsDateTime(value);
  } else {
    SetAsString(FloatToStr(value));
  }
}

void DataField::SetAsBoolean(bool value) { SetAsString(value ? "1" : "0"); }

void DataField::SetAsDateTime(double value) {
  if (type_ == ftDate) {
    SetAsString(DateToText(value));
  } else if (type_ == ftTime) {
    SetAsString(TimeToText(value));
  } else if (IsDateTimeFieldType(type_) || IsTextType(type_)) {
    SetAsString(DateTimeToText(value));
  } else {
    SetAsFloat(value);
  }
}

void DataField::SetAsVariant(const Variant& value) {
  switch (value.Kind()) {
    case VariantKind::Null: Clear(); break;
    case VariantKind::DateTime: SetAsDateTime(value.AsFloat()); break;
    case VariantKind::Float: SetAsFloat(value.AsFloat()); break;
    default: SetAsString(value.AsString()); break;
  }
}

void DataField::Clear() { Store(std::nullopt); }

}  // namespace ruzi
