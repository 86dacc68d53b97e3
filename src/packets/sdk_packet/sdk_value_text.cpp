#include "packets/sdk_packet/sdk_value_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace ruzi::sdk {
namespace {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

template <typename T>
bool ParseWhole(std::string_view text, T& value) {
  const char* begin = text.data();
  const char* end = begin + text.size();
  if (begin != end && *begin == '+') ++begin;  // from_chars takes no plus sign
  auto [stop, error] = std::from_chars(begin, end, value);
  return error == std::errc() && stop == end && begin != end;
}

}  // namespace

std::string IntText(int32_t value) {
  char buffer[16];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string DoubleText(double value) {
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

int32_t TextToInt(std::string_view text) {
  text = Trimmed(text);
  int32_t whole = 0;
  if (ParseWhole(text, whole)) return whole;
  double number = TextToDouble(text);
  if (std::isnan(number)) return 0;
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  if (number <= kMin) return std::numeric_limits<int32_t>::min();
  if (number >= kMax) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(number);
}

double TextToDouble(std::string_view text) {
  double value = 0;
  return ParseWhole(Trimmed(text), value) ? value : 0.0;
}

}  // namespace ruzi::sdk
