#pragma once
// Rows of cells printed as aligned columns. Widths count GBK bytes, which is also the display
// width: a double-byte character takes two columns on a terminal.
#include <string>
#include <vector>

namespace ruzi::cli {

class CommandContext;

class TextTable {
 public:
  explicit TextTable(std::vector<std::string> header) { rows_.push_back(std::move(header)); }
  void AddRow(std::vector<std::string> cells) { rows_.push_back(std::move(cells)); }
  // Header, a rule of dashes, then the rows; columns separated by two spaces.
  void Print(const CommandContext& context) const;

 private:
  std::vector<std::vector<std::string>> rows_;
};

}  // namespace ruzi::cli
