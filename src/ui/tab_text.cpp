#include "ui/tab_text.h"

#include <charconv>

namespace ruzi {
namespace {

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string_view::npos; start = tab + 1) {
    fields.emplace_back(line.substr(start, tab - start));
  }
  fields.emplace_back(line.substr(start));
  return fields;
}

}  // namespace

TTabRows SplitTabText(std::string_view text) {
  TTabRows rows;
  if (text.empty()) return rows;
  size_t start = 0;
  while (true) {
    const size_t end = text.find('\n', start);
    std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    // A CR belongs to the line break only right before its LF.
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    rows.push_back(SplitFields(line));
    if (end == std::string_view::npos) return rows;
    start = end + 1;
  }
}

std::string JoinTabText(const TTabRows& rows) {
  std::string text;
  for (size_t row = 0; row < rows.size(); ++row) {
    if (row > 0) text += "\r\n";
    for (size_t field = 0; field < rows[row].size(); ++field) {
      if (field > 0) text += '\t';
      text += rows[row][field];
    }
  }
  return text;
}

int TabFieldInt(const std::vector<std::string>& row, size_t index, int fallback) {
  if (index >= row.size()) return fallback;
  const std::string& field = row[index];
  int value = 0;
  const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
  return error == std::errc() && end == field.data() + field.size() ? value : fallback;
}

}  // namespace ruzi
