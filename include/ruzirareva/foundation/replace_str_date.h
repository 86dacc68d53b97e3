#pragma once
// Date patterns in file names and texts ("file_yyyymmdd.txt", "aMDD.dbf") replaced by a date.
// Patterns, in this order, each replaced everywhere with ASCII case ignored: "YYYYMMDD",
// "YYYY-MM-DD", "YYYY.MM.DD", "YYYY年MM月DD日", "YYMMDD", "YY-MM-DD", "YY.MM.DD",
// "YY年MM月DD日", "MMDD", "MM-DD", "MM.DD", "MM月DD日"; then every remaining "MDD" becomes
// the month as one hex digit (1-9, A, B, C) and the two-digit day. Pure functions: any thread may
// call them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API std::string ReplaceStrDate(std::string_view text, double date);
// The integer date (yyyymmdd) is converted first; an invalid one raises ConvertError.
RUZI_API std::string ReplaceStrDate(std::string_view text, int32_t date);

}  // namespace ruzi
