#pragma once
// The texts the trade-day slots take besides dates: a kinds text ("1,3": any of these kinds)
// and a calendar list ("00,HK": every one of them). Items are separated by ","; blanks
// around an item do not count.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi {

inline constexpr const char* kDefaultCalendar = "00";

// Bit `kind` for a kind 0 to 31; 0 (nothing qualifies) otherwise.
uint32_t KindBit(int32_t kind);
// The bits of every kind named; 0 when the text is empty or an item is not a kind 0 to 31.
uint32_t KindMaskOfText(std::string_view kinds);
// "" becomes "00".
std::string CalendarCode(std::string_view code);
// The distinct codes of the list, sorted ("" items become "00"; an empty text is "00").
std::vector<std::string> CalendarList(std::string_view codes);

}  // namespace ruzi
