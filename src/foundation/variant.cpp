#include "foundation/variant.h"

#include "foundation/convert_error.h"
#include "foundation/date_time_text.h"
#include "foundation/float_text.h"
#include "foundation/string_to_number.h"
#include "platform/ascii_case.h"

namespace ruzi {

Variant Variant::FromBoolean(bool value) {
  Variant v;
  v.kind_ = VariantKind::Boolean;
  v.integer_ = value ? 1 : 0;
  return v;
}

Variant Variant::FromInteger(int64_t value) {
  Variant v;
  v.kind_ = VariantKind::Integer;
  v.integer_ = value;
  return v;
}

Variant Variant::FromFloat(double value) {
  Variant v;
  v.kind_ = VariantKind::Float;
  v.number_ = value;
  return v;
}

Variant Variant::FromDateTime(double value) {
  Variant v;
  v.kind_ = VariantKind::DateTime;
  v.number_ = value;
  return v;
}

Variant Variant::FromString(std::string_view gbk) {
  Variant v;
  v.kind_ = VariantKind::String;
  v.text_ = gbk;
  return v;
}

Variant Variant::FromBytes(std::string_view bytes) {
  Variant v;
  v.kind_ = VariantKind::Bytes;
  v.text_ = bytes;
  return v;
}

std::string Variant::AsString() const {
  switch (kind_) {
    case VariantKind::Null: return "";
    case VariantKind::Boolean: return integer_ != 0 ? "1" : "0";
    case VariantKind::Integer: return std::to_string(integer_);
    case VariantKind::Float: return FloatToStr(number_);
    case VariantKind::DateTime: return DateTimeToText(number_);
    case VariantKind::String:
    case VariantKind::Bytes: return text_;
  }
  return "";
}

int64_t Variant::AsInteger() const {
  switch (kind_) {
    case VariantKind::Null: return 0;
    case VariantKind::Boolean:
    case VariantKind::Integer: return integer_;
    case VariantKind::Float:
    case VariantKind::DateTime: return static_cast<int64_t>(number_);
    case VariantKind::String:
    case VariantKind::Bytes: return text_.empty() ? 0 : StrToInt64(text_);
  }
  return 0;
}

double Variant::AsFloat() const {
  switch (kind_) {
    case VariantKind::Null: return 0;
    case VariantKind::Boolean:
    case VariantKind::Integer: return static_cast<double>(integer_);
    case VariantKind::Float:
    case VariantKind::DateTime: return number_;
    case VariantKind::String:
    case VariantKind::Bytes:
      if (text_.empty()) return 0;
      if (auto number = TryStrToFloat(text_)) return *number;
      if (auto date = TryTextToDateTime(text_)) return *date;
      throw ConvertError("'" + text_ + "' is not a valid floating point value");
  }
  return 0;
}

bool Variant::AsBoolean() const {
  switch (kind_) {
    case VariantKind::Null: return false;
    case VariantKind::Boolean:
    case VariantKind::Integer: return integer_ != 0;
    case VariantKind::Float:
    case VariantKind::DateTime: return number_ != 0;
    case VariantKind::String:
    case VariantKind::Bytes:
      return text_ == "1" || AsciiEqualIgnoreCase(text_, "true") ||
             (!text_.empty() && text_ != "0" && !AsciiEqualIgnoreCase(text_, "false") && AsFloat() != 0);
  }
  return false;
}

bool Variant::operator==(const Variant& other) const {
  return kind_ == other.kind_ && integer_ == other.integer_ && number_ == other.number_ && text_ == other.text_;
}

}  // namespace ruzi
