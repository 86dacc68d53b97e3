#include "query/sql_lines.h"

#include "foundation/error.h"
#include "platform/file_system.h"

namespace ruzi {

std::string SqlText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\r\n") + line;
  return text;
}

std::vector<std::string> SqlLinesOfFile(const std::string& path) {
  const std::optional<std::string> bytes = platform::SystemFileSystem().ReadWholeFile(path);
  if (!bytes) throw Error("Cannot open file \"" + path + "\"");
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < bytes->size()) {
    const size_t end = bytes->find_first_of("\r\n", start);
    lines.push_back(bytes->substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) break;
    start = end + ((*bytes)[end] == '\r' && end + 1 < bytes->size() && (*bytes)[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

}  // namespace ruzi
