// The text-to-number parsers on arbitrary bytes: no crash, the three integer and float forms
// agree with one another, every float read back from its own text is the same value, and the
// one-pass reads of plain decimals and integers give what the C library gives.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "foundation/float_text.h"
#include "foundation/format.h"
#include "foundation/number_text.h"
#include "foundation/plain_decimal.h"
#include "foundation/string_to_number.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto int32 = ruzi::TryStrToInt(text);
  const auto int64 = ruzi::TryStrToInt64(text);
  const bool hex = text.find_first_of("$xX") != std::string_view::npos;
  // A decimal text that fits 32 bits fits 64 bits with the same value.
  if (int32 && !hex) Check(int64 && *int64 == *int32);
  if (int64) Check(ruzi::Format("%d", {*int64}) == std::to_string(*int64));
  Check(ruzi::IsAInteger(text) == int64.has_value());
  const auto value = ruzi::TryStrToFloat(text);
  Check(ruzi::IsANumber(text) == value.has_value());
  if (value) {
    Check(std::isfinite(*value));
    // 17 significant digits always read back to the same double.
    const std::string again = ruzi::FloatToText(*value, ruzi::FloatStyle::Exponent, 17, 0);
    const auto reread = ruzi::TryStrToFloat(again);
    Check(reread && *reread == *value);
  }
  const std::string terminated(text);  // the C library reads up to a zero byte
  double plain = 0;
  if (ruzi::PlainDecimal(text, plain)) {
    Check(std::strtod(terminated.c_str(), nullptr) == plain);
    Check(value && *value == plain);
  }
  int64_t plainInteger = 0;
  if (ruzi::PlainInteger(text, plainInteger)) {
    Check(std::strtoll(terminated.c_str(), nullptr, 10) == plainInteger);
    Check(int64 && *int64 == plainInteger);
  }
  ruzi::StrToIntNE(text);
  ruzi::StrToFloatNE(text);
  return 0;
}
