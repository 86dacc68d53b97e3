#pragma once
// One value of a loosely typed slot: a dataset parameter, a field read as a variant, a byte
// array handed to a caller. Null is a value of its own, apart from the empty text.
// A Variant is a plain value: copies are independent; no locking is needed for separate copies.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

enum class VariantKind : uint8_t { Null, Boolean, Integer, Float, DateTime, String, Bytes };

class RUZI_API Variant {
 public:
  Variant() = default;
  static Variant FromBoolean(bool value);
  static Variant FromInteger(int64_t value);
  static Variant FromFloat(double value);
  // A date-time value: days since 1899-12-30, the time of day as the fraction.
  static Variant FromDateTime(double value);
  static Variant FromString(std::string_view gbk);
  static Variant FromBytes(std::string_view bytes);

  VariantKind Kind() const { return kind_; }
  bool IsNull() const { return kind_ == VariantKind::Null; }

  // Text form: "" for null, "1"/"0" for booleans, decimal digits, the shortest float text,
  // "yyyy-mm-dd hh:nn:ss" for date-times, the bytes themselves for texts and byte arrays.
  std::string AsString() const;
  // Numbers from any kind; a text that is no number raises ConvertError; null reads 0.
  int64_t AsInteger() const;
  double AsFloat() const;
  // Non-zero numbers, "1" and "true" (any case) read true; null and "" read false.
  bool AsBoolean() const;

  bool operator==(const Variant& other) const;

 private:
  VariantKind kind_ = VariantKind::Null;
  int64_t integer_ = 0;
  double number_ = 0;
  std::string text_;
};

}  // namespace ruzi
