#pragma once
// The fixed date and time texts of log lines and file names, from a broken-down local time.
#include <string>

#include "platform/clock.h"

namespace ruzi {

// "YYYY-MM-DD"
std::string DateText(const platform::LocalDateTime& time);
// "YYYY-MM-DD hh:mm:ss.zzz"
std::string DateTimeMillisecondText(const platform::LocalDateTime& time);
// "YYYYMMDDhhmmss"
std::string CompactTimeStamp(const platform::LocalDateTime& time);

}  // namespace ruzi
