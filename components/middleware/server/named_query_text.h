#pragma once
// The text work on a named query's SQL before it runs: the caller's condition pairs, sequence
// values and the markers left for binding. Markers and NEXTVAL inside quoted texts are left.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi::mwd {

// Each ";"-separated pair "name=value" of `condition` replaces every ":name" (letter case
// ignored) with value, verbatim: "fundid_p=l_fund_id" turns "l_fund_id = :fundid_p" into
// "l_fund_id = l_fund_id". A pair without "=" is ignored.
std::string ApplyConditionPairs(std::string_view sql, std::string_view condition);

// The ":name" markers of the text, in order of first appearance, each once.
std::vector<std::string> ParameterNames(std::string_view sql);

// Each "NAME.NEXTVAL" replaced by the decimal text of next(NAME).
std::string ReplaceNextValues(std::string_view sql, const std::function<int64_t(const std::string&)>& next);

// The block a client sends to change exactly one row: it counts the rows of `count_from`
// ("table where key") and runs `statement` only when the count is 1. Letter case and blanks
// are free; quoted texts holding ";" are not recognised.
struct GuardedBlock {
  std::string count_from;
  std::string statement;
};
std::optional<GuardedBlock> ParseGuardedBlock(std::string_view sql);

}  // namespace ruzi::mwd
