#include "packets/record_pack_text.h"

namespace ruzi {
namespace {

void AppendEscaped(std::string& out, std::string_view cell) {
  for (char c : cell) {
    switch (c) {
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
}

// Splits one line into cells, undoing the escapes; false on a bad escape.
bool SplitLine(std::string_view line, std::vector<std::string>& cells, std::string& reason) {
  cells.assign(1, std::string());
  for (size_t i = 0; i < line.size(); ++i) {
    char c = line[i];
    if (c == '\t') {
      cells.emplace_back();
    } else if (c != '\\') {
      cells.back() += c;
    } else if (i + 1 == line.size()) {
      reason = "backslash at end of line";
      return false;
    } else {
      char next = line[++i];
      switch (next) {
        case 't': cells.back() += '\t'; break;
        case 'n': cells.back() += '\n'; break;
        case 'r': cells.back() += '\r'; break;
        case '\\': cells.back() += '\\'; break;
        default:
          reason = std::string("unknown escape \\") + next;
          return false;
      }
    }
  }
  return true;
}

}  // namespace

std::optional<RecordTable> ParseRecordPackText(std::string_view text, RecordPackTextError* error) {
  RecordTable table;
  auto fail = [&](size_t line, std::string reason) -> std::optional<RecordTable> {
    if (error != nullptr) *error = {line, std::move(reason)};
    return std::nullopt;
  };
  if (text.empty()) return table;
  size_t line_number = 0;
  size_t start = 0;
  std::vector<std::string> cells;
  std::string reason;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++line_number;
    if (!SplitLine(line, cells, reason)) return fail(line_number, reason);
    if (line_number == 1) {
      if (line.empty()) return fail(1, "no field names");
      for (const std::string& name : cells) {
        if (name.empty()) return fail(1, "empty field name");
      }
      table.fields = std::move(cells);
      continue;
    }
    if (cells.size() != table.fields.size()) {
      return fail(line_number, "row has " + std::to_string(cells.size()) + " cells, expected " +
                                   std::to_string(table.fields.size()));
    }
    table.rows.push_back(std::move(cells));
  }
  return table;
}

std::string WriteRecordPackText(const RecordTable& table) {
  std::string out;
  if (table.fields.empty()) return out;
  auto write_line = [&out](const std::vector<std::string>& cells) {
    for (size_t i = 0; i < cells.size(); ++i) {
      if (i > 0) out += '\t';
      AppendEscaped(out, cells[i]);
    }
    out += '\n';
  };
  write_line(table.fields);
  for (const auto& row : table.rows) write_line(row);
  return out;
}

std::string StripCrBeforeLf(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    result += text[i];
  }
  return result;
}

}  // namespace ruzi
