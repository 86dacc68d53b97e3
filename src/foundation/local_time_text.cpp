#include "foundation/local_time_text.h"

namespace ruzi {
namespace {

// Zero-padded decimal of a fixed width; the fields are never negative.
void AppendPadded(std::string& out, int value, int width) {
  char digits[16];
  int count = 0;
  unsigned rest = value < 0 ? 0u : static_cast<unsigned>(value);
  do {
    digits[count++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest != 0 && count < 16);
  for (int i = count; i < width; ++i) out.push_back('0');
  while (count > 0) out.push_back(digits[--count]);
}

}  // namespace

std::string DateText(const platform::LocalDateTime& time) {
  std::string text;
  text.reserve(10);
  AppendPadded(text, time.year, 4);
  text.push_back('-');
  AppendPadded(text, time.month, 2);
  text.push_back('-');
  AppendPadded(text, time.day, 2);
  return text;
}

std::string DateTimeMillisecondText(const platform::LocalDateTime& time) {
  std::string text = DateText(time);
  text.push_back(' ');
  AppendPadded(text, time.hour, 2);
  text.push_back(':');
  AppendPadded(text, time.minute, 2);
  text.push_back(':');
  AppendPadded(text, time.second, 2);
  text.push_back('.');
  AppendPadded(text, time.millisecond, 3);
  return text;
}

std::string CompactTimeStamp(const platform::LocalDateTime& time) {
  std::string text;
  text.reserve(14);
  for (auto [value, width] : {std::pair{time.year, 4}, {time.month, 2}, {time.day, 2}, {time.hour, 2},
                              {time.minute, 2}, {time.second, 2}}) {
    AppendPadded(text, value, width);
  }
  return text;
}

}  // namespace ruzi
