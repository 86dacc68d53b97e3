#pragma once
// The remarks of one operation-log record are at most 2010 bytes (2011 when a double-byte
// character would straddle the cut): longer remarks go out as several records, each one after
// the first starting with "[续前一条]" followed by where the previous one stopped.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi {

inline constexpr size_t kOperationRemarksBytes = 2010;
inline constexpr std::string_view kRemarksContinuation = "[续前一条]";

// The remarks of each record in order. Empty remarks give one empty piece; remarks that are
// exactly the marker give none (what is left is always compared with the marker first).
std::vector<std::string> SplitOperationRemarks(std::string_view remarks);

}  // namespace ruzi
