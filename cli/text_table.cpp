#include "text_table.h"

#include <algorithm>

#include "command.h"

namespace ruzi::cli {

void TextTable::Print(const CommandContext& context) const {
  std::vector<size_t> widths;
  for (const auto& row : rows_) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  auto print_row = [&](const std::vector<std::string>& row) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += std::string(widths[i] - row[i].size() + 2, ' ');
    }
    context.PrintLine(line);
  };
  print_row(rows_.front());
  std::vector<std::string> rule;
  for (size_t width : widths) rule.push_back(std::string(std::max<size_t>(width, 1), '-'));
  print_row(rule);
  for (size_t i = 1; i < rows_.size(); ++i) print_row(rows_[i]);
}

}  // namespace ruzi::cli
