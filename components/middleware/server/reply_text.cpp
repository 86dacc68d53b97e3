#include "reply_text.h"

#include <charconv>

namespace ruzi::mwd {

std::string Tag(std::string_view name, std::string_view value) {
  std::string item;
  item.reserve(name.size() * 2 + value.size() + 5);
  item.append("<").append(name).append(">").append(value).append("</").append(name).append(">");
  return item;
}

std::string ConventionReply(int32_t code, std::string_view message, std::string_view data) {
  return Tag("ErrCode", std::to_string(code)) + Tag("ErrMsg", message) + std::string(data);
}

std::optional<std::string> RequestItem(std::string_view request, std::string_view name) {
  std::string open = "<" + std::string(name) + ">";
  std::string close = "</" + std::string(name) + ">";
  size_t start = request.find(open);
  if (start == std::string_view::npos) return std::nullopt;
  start += open.size();
  size_t end = request.find(close, start);
  if (end == std::string_view::npos) return std::nullopt;
  return std::string(request.substr(start, end - start));
}

std::optional<int64_t> RequestNumber(std::string_view request, std::string_view name) {
  auto text = RequestItem(request, name);
  if (!text) return std::nullopt;
  int64_t value = 0;
  auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (error != std::errc() || end != text->data() + text->size()) return std::nullopt;
  return value;
}

}  // namespace ruzi::mwd
