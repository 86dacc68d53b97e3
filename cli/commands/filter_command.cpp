// A filter text tried on rows of a file: the first line names the columns ("NAME" or
// "NAME:type", type one of text, int, float, date, bool), each further line is a row of cells
// apart by tabs (a cell "\N" is null). The rows that pass are printed as they came.
#include "command.h"
#include "input_text.h"
#include "query/data_set_types.h"
#include "query/qx_expr_parser.h"
#include "query/qx_filter_eval.h"

namespace ruzi::cli {
namespace {

std::vector<std::string> Cells(std::string_view line) {
  std::vector<std::string> cells;
  for (;;) {
    const size_t tab = line.find('\t');
    cells.emplace_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return cells;
    line.remove_prefix(tab + 1);
  }
}

TQxFieldInfo ColumnOf(const std::string& cell) {
  const size_t colon = cell.find(':');
  const std::string type = colon == std::string::npos ? "text" : cell.substr(colon + 1);
  TQxFieldInfo field{cell.substr(0, colon), ftString};
  if (type == "int") {
    field.Type = ftInteger;
  } else if (type == "float") {
    field.Type = ftFloat;
  } else if (type == "date") {
    field.Type = ftDateTime;
  } else if (type == "bool") {
    field.Type = ftBoolean;
  } else if (type != "text") {
    throw UsageError("unknown column type: " + type);
  }
  return field;
}

class CellRow : public TQxRowReader {
 public:
  explicit CellRow(const std::vector<std::string>& cells) : cells_(cells) {}
  std::optional<std::string_view> FieldText(int index) const override {
    if (static_cast<size_t>(index) >= cells_.size() || cells_[static_cast<size_t>(index)] == "\\N") return std::nullopt;
    return std::string_view(cells_[static_cast<size_t>(index)]);
  }

 private:
  const std::vector<std::string>& cells_;
};

int RunFilter(CommandContext& context) {
  unsigned options = 0;
  if (context.TakeFlag("ci")) options |= foCaseInsensitive;
  if (context.TakeFlag("nopartial")) options |= foNoPartialCompare;
  const std::string path = context.TakeOption("file", "-");
  context.ExpectCount(1, 1);
  std::vector<std::string> lines;
  const std::string text = ReadInputText(path);
  for (size_t at = 0; at < text.size();) {
    size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    at = end + 1;
  }
  if (lines.empty()) throw UsageError("no header line");
  std::vector<TQxFieldInfo> fields;
  for (const std::string& cell : Cells(lines[0])) fields.push_back(ColumnOf(cell));
  const TQxExprParser parser(fields, context.Arg(0), options);
  int passed = 0;
  for (size_t i = 1; i < lines.size(); ++i) {
    if (lines[i].empty()) continue;
    const std::vector<std::string> cells = Cells(lines[i]);
    if (!EvaluateFilter(parser, CellRow(cells))) continue;
    context.PrintLine(lines[i]);
    ++passed;
  }
  context.PrintLine("passed: " + std::to_string(passed));
  return 0;
}

const CommandRegistration kRegistration{
    {"filter", "try a dataset filter text on rows of a tab-separated file",
     "filter EXPRESSION [--file PATH] [--ci] [--nopartial]  (first line: NAME[:text|int|float|date|bool] apart by tabs)",
     RunFilter}};

}  // namespace
}  // namespace ruzi::cli
