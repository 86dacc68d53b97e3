#pragma once
// The text form of a record pack (see docs/record-pack-format.md): a header line of field
// names, then one line per row, cells separated by TAB, every line ended by LF. Inside a cell
// "\t", "\n", "\r" and "\\" stand for TAB, LF, CR and backslash; every other byte (GBK text
// included) stands for itself. Pure functions: any thread may call them.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

struct RecordTable {
  std::vector<std::string> fields;
  std::vector<std::vector<std::string>> rows;  // each row has fields.size() cells
};

// Why a text is not a record pack, for the caller's message.
struct RecordPackTextError {
  size_t line = 0;  // 1-based
  std::string reason;
};

// The table, or the first problem found. A text with no fields is the empty table.
RUZI_API std::optional<RecordTable> ParseRecordPackText(std::string_view text, RecordPackTextError* error = nullptr);
RUZI_API std::string WriteRecordPackText(const RecordTable& table);

// Removes every CR that directly precedes an LF (text taken from the clipboard).
RUZI_API std::string StripCrBeforeLf(const std::string& text);

}  // namespace ruzi
