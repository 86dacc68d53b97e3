#include "foundation/file_backed_list.h"

#include "foundation/string_to_number.h"

namespace ruzi {

std::vector<std::string> SplitFileLines(std::string_view bytes) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    const size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back(bytes.substr(start));
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
  }
  return lines;
}

int32_t FileVersionOf(const std::vector<std::string>& lines) {
  return lines.empty() ? 0 : StrToIntDef(lines.front(), 0);
}

}  // namespace ruzi
