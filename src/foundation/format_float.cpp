#include "foundation/format_float.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "foundation/float_decimal.h"
#include "foundation/float_text.h"
#include "foundation/gbk.h"
#include "platform/thread_slot.h"

namespace ruzi {
namespace {

constexpr int kPrecision = 15;
constexpr int kMaxFixedIntegerDigits = 18;

struct Token {
  enum Kind { Literal, IntegerDigit, Point, FractionDigit, Exponent } kind;
  std::string text;       // Literal: the text; Exponent: "E+", "e-" ...
  int exponent_zeros = 0;  // Exponent: minimum exponent digits
};

struct Section {
  std::vector<Token> tokens;
  int integer_places = 0;   // "0" and "#" before the point
  int min_integer = 0;      // from the first "0" before the point
  int fraction_places = 0;  // "0" and "#" after the point
  int min_fraction = 0;     // up to the last "0" after the point
  bool grouped = false;
  bool scientific = false;
};

// Splits at ";" outside quotes, never inside a double-byte character.
std::vector<std::string_view> SplitSections(std::string_view picture) {
  std::vector<std::string_view> sections;
  size_t start = 0;
  char quote = 0;
  for (size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (quote != 0) {
      if (c == quote) quote = 0;
    } else if (IsGbkLeadByte(c)) {
      ++i;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';' && sections.size() < 2) {
      sections.push_back(picture.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(picture.substr(std::min(start, picture.size())));
  return sections;
}

void AddLiteral(Section& section, std::string_view text) {
  if (!section.tokens.empty() && section.tokens.back().kind == Token::Literal) {
    section.tokens.back().text += text;
  } else {
    section.tokens.push_back({Token::Literal, std::string(text)});
  }
}

Section ParseSection(std::string_view text) {
  Section section;
  bool after_point = false;
  int first_zero = -1;  // index of the first "0" among the integer placeholders
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '0' || c == '#') {
      if (after_point) {
        ++section.fraction_places;
        if (c == '0') section.min_fraction = section.fraction_places;
        section.tokens.push_back({Token::FractionDigit, ""});
      } else {
        if (c == '0' && first_zero < 0) first_zero = section.integer_places;
        ++section.integer_places;
        section.tokens.push_back({Token::IntegerDigit, ""});
      }
    } else if (c == '.' && !after_point && !section.scientific) {
      after_point = true;
      section.tokens.push_back({Token::Point, ""});
    } else if (c == ',' && !section.scientific) {
      section.grouped = true;
    } else if ((c == 'E' || c == 'e') && i + 1 < text.size() && (text[i + 1] == '+' || text[i + 1] == '-') &&
               !section.scientific) {
      Token token{Token::Exponent, std::string(text.substr(i, 2))};
      i += 2;
      while (i < text.size() && text[i] == '0') ++token.exponent_zeros, ++i;
      --i;
      section.scientific = true;
      section.tokens.push_back(token);
    } else if (c == '"' || c == '\'') {
      const size_t end = text.find(c, i + 1);
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      AddLiteral(section, text.substr(i + 1, stop - i - 1));
      i = stop;
    } else if (IsGbkLeadByte(c) && i + 1 < text.size()) {
      AddLiteral(section, text.substr(i++, 2));
    } else {
      AddLiteral(section, text.substr(i, 1));
    }
  }
  if (first_zero >= 0) section.min_integer = section.integer_places - first_zero;
  return section;
}

// The digits the picture will show, before they are laid into it.
struct Shown {
  bool zero = true;
  bool negative = false;
  std::string integer;   // without leading zeros beyond the picture's minimum
  std::string fraction;  // trailing zeros only down to the picture's minimum
  int exponent = 0;
};

Shown ShowFixed(const Section& section, double value) {
  const DecimalFloat decimal = ToDecimal(value, kPrecision, section.fraction_places);
  Shown shown;
  shown.zero = decimal.digits.empty();
  shown.negative = decimal.negative;
  const int exponent = decimal.exponent;
  if (!shown.zero && exponent > 0) {
    shown.integer = decimal.digits.substr(0, std::min<size_t>(decimal.digits.size(), exponent));
    shown.integer.append(static_cast<size_t>(exponent) - shown.integer.size(), '0');
    if (decimal.digits.size() > shown.integer.size()) shown.fraction = decimal.digits.substr(shown.integer.size());
  } else if (!shown.zero) {
    shown.fraction = std::string(static_cast<size_t>(-exponent), '0') + decimal.digits;
  }
  return shown;
}

Shown ShowScientific(const Section& section, double value) {
  const int places = std::clamp(section.integer_places + section.fraction_places, 1, 18);
  const DecimalFloat decimal = ToDecimal(value, places, 9999);
  Shown shown;
  shown.zero = decimal.digits.empty();
  shown.negative = decimal.negative;
  std::string digits = decimal.digits;
  const size_t integer_places = static_cast<size_t>(section.integer_places);
  if (!shown.zero && digits.size() < integer_places) digits.append(integer_places - digits.size(), '0');
  shown.integer = digits.substr(0, std::min(digits.size(), integer_places));
  shown.fraction = digits.substr(shown.integer.size());
  shown.exponent = shown.zero ? 0 : decimal.exponent - section.integer_places;
  return shown;
}

void PadMinimums(const Section& section, Shown& shown) {
  const size_t min_integer = static_cast<size_t>(section.min_integer);
  if (shown.integer.size() < min_integer) shown.integer.insert(0, min_integer - shown.integer.size(), '0');
  const size_t min_fraction = static_cast<size_t>(section.min_fraction);
  if (shown.fraction.size() < min_fraction) shown.fraction.append(min_fraction - shown.fraction.size(), '0');
}

std::string ExponentText(const Token& token, int exponent) {
  std::string text(1, token.text[0]);
  if (exponent < 0) {
    text += '-';
  } else if (token.text[1] == '+') {
    text += '+';
  }
  std::string digits = std::to_string(std::abs(exponent));
  const size_t width = static_cast<size_t>(std::min(token.exponent_zeros, 4));
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return text + digits;
}

std::string Lay(const Section& section, const Shown& shown) {
  const bool grouped = section.grouped && !section.scientific;
  std::string out;
  auto put_integer_digit = [&](size_t index) {
    out += shown.integer[index];
    const size_t from_right = shown.integer.size() - 1 - index;
    if (grouped && from_right > 0 && from_right % 3 == 0) out += ',';
  };
  const size_t digits = shown.integer.size();
  int integer_seen = 0;
  size_t fraction_seen = 0;
  // Without integer placeholders the integer digits go just before the point.
  bool integer_done = section.integer_places > 0;
  for (const Token& token : section.tokens) {
    switch (token.kind) {
      case Token::Literal:
        out += token.text;
        break;
      case Token::IntegerDigit: {
        // Placeholder k stands for the digit k places from the right; the first one also
        // takes every digit the picture has no placeholder for.
        const size_t place = static_cast<size_t>(section.integer_places - 1 - integer_seen);
        if (integer_seen == 0) {
          for (size_t i = 0; i + place < digits; ++i) put_integer_digit(i);
        } else if (place < digits) {
          put_integer_digit(digits - 1 - place);
        }
        ++integer_seen;
        break;
      }
      case Token::Point:
        if (!integer_done) {
          for (size_t i = 0; i < digits; ++i) put_integer_digit(i);
          integer_done = true;
        }
        if (!shown.fraction.empty()) out += '.';
        break;
      case Token::FractionDigit:
        if (fraction_seen < shown.fraction.size()) out += shown.fraction[fraction_seen];
        ++fraction_seen;
        break;
      case Token::Exponent:
        out += ExponentText(token, shown.exponent);
        break;
    }
  }
  return out;
}

// The sections of the picture used last on this thread: callers format column after column
// with the same picture, and parsing it costs more than the number.
struct LastPicture {
  std::string picture;
  std::vector<std::optional<Section>> sections;
};

const std::vector<std::optional<Section>>& ParsedPicture(std::string_view picture) {
  static platform::ThreadSlot<LastPicture> last;
  LastPicture& mine = last.Get();
  std::vector<std::optional<Section>>& sections = mine.sections;
  if (sections.empty() || picture != mine.picture) {
    mine.picture = picture;
    sections.clear();
    for (std::string_view text : SplitSections(picture)) {
      // An empty section means "use the first one"; the first itself is always there.
      const bool present = !text.empty() || sections.empty();
      sections.push_back(present ? std::optional<Section>(ParseSection(text)) : std::nullopt);
    }
  }
  return sections;
}

}  // namespace

std::string FormatFloat(std::string_view picture, double value) {
  if (picture.empty() || std::isnan(value) || std::isinf(value)) return FloatToStr(value);
  const std::vector<std::optional<Section>>& sections = ParsedPicture(picture);
  auto usable = [&](size_t index) { return index < sections.size() && sections[index].has_value(); };
  size_t index = value < 0 && usable(1) ? 1 : 0;
  const Section* section = &*sections[index];
  if (!section->scientific && ToDecimal(value, kPrecision, 0).exponent > kMaxFixedIntegerDigits) {
    return FloatToText(value, FloatStyle::General, kPrecision, 0);
  }
  Shown shown = section->scientific ? ShowScientific(*section, value) : ShowFixed(*section, value);
  if (shown.zero && (index != 0 || usable(2))) {
    // Rounded to zero: the zero section when there is one, else the positive one, unsigned.
    index = usable(2) ? 2 : 0;
    section = &*sections[index];
    shown = section->scientific ? ShowScientific(*section, 0.0) : ShowFixed(*section, 0.0);
  }
  PadMinimums(*section, shown);
  const bool sign = index == 0 && shown.negative && !shown.zero;
  return (sign ? "-" : "") + Lay(*section, shown);
}

}  // namespace ruzi
