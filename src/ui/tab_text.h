#pragma once
// Tables as text: one line per row (CR LF between lines, a lone LF accepted), fields split by
// tabs. How grids, list views, headers and status bars publish their contents as one property.
// Tab, CR and LF never occur inside a GBK double-byte character, so splitting bytes is safe.
// Pure functions: any thread.
#include <string>
#include <string_view>
#include <vector>

namespace ruzi {

using TTabRows = std::vector<std::vector<std::string>>;

// Every line break starts a line, a final one too; "" holds no line at all. With JoinTabText
// this reads back every table but one of a single empty line.
TTabRows SplitTabText(std::string_view text);
std::string JoinTabText(const TTabRows& rows);

// A field as a whole number; `fallback` when it is none.
int TabFieldInt(const std::vector<std::string>& row, size_t index, int fallback);

}  // namespace ruzi
