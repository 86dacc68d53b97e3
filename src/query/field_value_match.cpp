#include "query/field_value_match.h"

#include "platform/ascii_case.h"

namespace ruzi {

bool FieldValueMatches(const std::optional<std::string>& value, const Variant& key, bool ignore_case, bool partial) {
  const std::string text = value.value_or("");
  if (key.IsNull()) return text.empty();
  std::string wanted = key.AsString();
  if (partial && wanted.size() <= text.size()) {
    const std::string head = text.substr(0, wanted.size());
    return ignore_case ? AsciiEqualIgnoreCase(head, wanted) : head == wanted;
  }
  return ignore_case ? AsciiEqualIgnoreCase(text, wanted) : text == wanted;
}

}  // namespace ruzi
