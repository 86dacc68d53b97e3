#include "business/chinese_numerals.h"

#include <cmath>

#include "foundation/comma_text.h"
#include "foundation/float_text.h"
#include "foundation/replace_text.h"

namespace ruzi {
namespace {

constexpr double kLargestSpelled = 9999900000000.0;

constexpr const char* kDigitWords[] = {"零", "壹", "贰", "叁", "肆", "伍", "陆", "柒", "捌", "玖"};

// Unit of each integer position counted from the right, the ones digit first.
constexpr const char* kUnitWords[] = {"", "拾", "佰", "仟", "万", "拾", "佰", "仟", "亿", "拾", "佰", "仟", "万"};

// Applied in order, each over the whole text.
constexpr const char* kRewrites[][2] = {{"零仟", "零"}, {"零佰", "零"}, {"零拾", "零"}, {"零零零", "零"},
                                        {"零零", "零"}, {"零亿", "亿"}, {"零万", "万"}, {"亿万", "亿"}};

const std::string& Zero() {
  static const std::string zero = kDigitWords[0];
  return zero;
}

std::string DigitWord(char digit) { return kDigitWords[digit - '0']; }

std::string SpellInteger(const std::string& digits) {
  std::string text;
  for (size_t i = 0; i < digits.size(); ++i) {
    const size_t position = digits.size() - i;  // 1 for the ones digit
    text += DigitWord(digits[i]);
    if (position <= std::size(kUnitWords)) text += kUnitWords[position - 1];
  }
  for (const auto& rewrite : kRewrites) text = ReplaceStr(text, rewrite[0], rewrite[1]);
  while (text.size() >= Zero().size() && text.ends_with(Zero())) text.resize(text.size() - Zero().size());
  return text;
}

}  // namespace

std::string GetNumberToChinese(double value) {
  const double magnitude = std::fabs(value);
  // Written "!(<=)" so that NaN, which cannot be spelled, takes this road too.
  if (!(magnitude <= kLargestSpelled)) return qxFloatAsComma(value, false);
  if (magnitude < 0.01) return Zero();
  std::string number = FloatToStr(value);
  bool negative = false;
  while (!number.empty() && number.front() == '-') {
    negative = true;
    number.erase(0, 1);
  }
  while (!number.empty() && number.back() == '.') number.pop_back();
  const size_t point = number.find('.');
  const std::string integer = number.substr(0, point);
  const std::string fraction = point == std::string::npos ? std::string() : number.substr(point + 1);
  std::string text = SpellInteger(integer);
  if (!fraction.empty()) {
    text += "点";
    for (char digit : fraction) text += DigitWord(digit);
  }
  return negative ? "负" + text : text;
}

}  // namespace ruzi
