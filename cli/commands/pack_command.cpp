// Section packets: print one as tables, or build one from a tab-separated description.
#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "command.h"
#include "foundation/format.h"
#include "input_text.h"
#include "packets/pack_ex.h"
#include "packets/unpack.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

// Control bytes would break the columns: shown as \xNN.
std::string Printable(std::string_view text) {
  std::string shown;
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
      shown += escaped;
    } else {
      shown += c;
    }
  }
  return shown;
}

void Dump(CommandContext& context, std::string packet) {
  TUnpack reader(false);
  reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  for (int32_t s = 0; s < reader.SectionCount(); ++s) {
    TUnpackSection& section = reader.GetSection(s);
    if (s > 0) context.PrintLine("");
    context.PrintLine(Format("section %d: %d columns, %d rows", {s + 1, section.ColCount(), section.RowCount()}));
    std::vector<std::string> names;
    for (int32_t c = 0; c < section.ColCount(); ++c) names.push_back(Printable(section.GetFieldName(c)));
    TextTable table(names);
    for (section.First(); !section.Eof(); section.Next()) {
      std::vector<std::string> cells;
      for (int32_t c = 0; c < section.ColCount(); ++c) cells.push_back(Printable(section.GetField(c).Text()));
      table.AddRow(std::move(cells));
    }
    table.Print(context);
  }
}

struct DescribedSection {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;
};

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> cells;
  size_t start = 0;
  for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1) {
    cells.push_back(line.substr(start, tab - start));
  }
  cells.push_back(line.substr(start));
  return cells;
}

// "[section]" begins a section; its first line holds the column names, each further line one
// row; cells are separated by tabs; blank lines and lines starting with '#' are skipped.
std::vector<DescribedSection> ParseDescription(const std::string& text) {
  std::vector<DescribedSection> sections;
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    if (line == "[section]") {
      sections.emplace_back();
    } else if (sections.empty()) {
      throw std::runtime_error("line " + std::to_string(number) + ": values before the first [section]");
    } else if (sections.back().names.empty()) {
      sections.back().names = SplitTabs(line);
    } else {
      sections.back().rows.push_back(SplitTabs(line));
    }
  }
  return sections;
}

std::string Build(const std::vector<DescribedSection>& sections, bool zero_padded) {
  TPackEx pack(true);
  for (size_t s = 0; s < sections.size(); ++s) {
    const int32_t cols = static_cast<int32_t>(sections[s].names.size());
    const int32_t rows = static_cast<int32_t>(sections[s].rows.size());
    pack.SetCurrentSection(static_cast<int32_t>(s));
    // Zero-padded: the way a writer that learns the row count last rewrites its header.
    pack.SetRange(cols, zero_padded ? 0 : rows);
    pack.CreateFields(sections[s].names);
    for (const auto& row : sections[s].rows) pack.AddRow(row);
    if (zero_padded) pack.ResetRange(pack.GetSection(static_cast<int32_t>(s)).StartOffset(), cols, rows);
  }
  pack.CheckBuffer();
  return std::string(pack.Text());
}

int RunPack(CommandContext& context) {
  const std::string out = context.TakeOption("out");
  const bool zero_padded = context.TakeFlag("zero-padded");
  context.ExpectCount(2, 2);
  const std::string& action = context.Arg(0);
  std::string input = ReadInputText(context.Arg(1));
  if (action == "dump") {
    Dump(context, std::move(input));
    return 0;
  }
  if (action != "build") throw UsageError("unknown action: " + action);
  const std::string packet = Build(ParseDescription(input), zero_padded);
  if (out.empty()) {
    std::fwrite(packet.data(), 1, packet.size(), stdout);
    return 0;
  }
  std::ofstream file(out, std::ios::binary);
  if (!file.write(packet.data(), static_cast<std::streamsize>(packet.size()))) {
    throw std::runtime_error("cannot write " + out);
  }
  return 0;
}

const CommandRegistration kRegistration{
    {"pack", "print a section packet as tables, or build one from a description",
     "pack dump FILE|- | pack build DESCRIPTION|- [--out FILE] [--zero-padded]\n"
     "  description: a line [section], then a line of tab-separated column names, then one\n"
     "  line of tab-separated values per row; '#' lines and blank lines are skipped",
     RunPack}};

}  // namespace
}  // namespace ruzi::cli
