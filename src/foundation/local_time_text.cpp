#include "foundation/local_time_text.h"

#include <initializer_list>

namespace ruzi {
namespace {

struct Field {
  int value;
  int width;
  char separator;  // written after the field; '\0' for none
};

// Zero-padded decimal fields of fixed widths; the fields are never negative.
std::string Fields(std::initializer_list<Field> fields) {
  std::string text;
  text.reserve(24);
  for (const Field& field : fields) {
    char digits[16];
    int count = 0;
    unsigned rest = field.value < 0 ? 0u : static_cast<unsigned>(field.value);
    do {
      digits[count++] = static_cast<char>('0' + rest % 10);
      rest /= 10;
    } while (rest != 0 && count < 16);
    for (int i = count; i < field.width; ++i) text.push_back('0');
    while (count > 0) text.push_back(digits[--count]);
    if (field.separator != '\0') text.push_back(field.separator);
  }
  return text;
}

}  // namespace

std::string DateText(const platform::LocalDateTime& time) {
  return Fields({{time.year, 4, '-'}, {time.month, 2, '-'}, {time.day, 2, '\0'}});
}

std::string DateTimeMillisecondText(const platform::LocalDateTime& time) {
  return Fields({{time.year, 4, '-'},
                 {time.month, 2, '-'},
                 {time.day, 2, ' '},
                 {time.hour, 2, ':'},
                 {time.minute, 2, ':'},
                 {time.second, 2, '.'},
                 {time.millisecond, 3, '\0'}});
}

std::string CompactTimeStamp(const platform::LocalDateTime& time) {
  return Fields({{time.year, 4, '\0'},
                 {time.month, 2, '\0'},
                 {time.day, 2, '\0'},
                 {time.hour, 2, '\0'},
                 {time.minute, 2, '\0'},
                 {time.second, 2, '\0'}});
}

}  // namespace ruzi
