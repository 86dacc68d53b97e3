#pragma once
// The one text form of date-time values that datasets and variants carry:
// "yyyy-mm-dd hh:nn:ss". Reading also takes the date alone ("yyyy-mm-dd" or "yyyymmdd") and the
// time alone ("hh:nn:ss", a value below one day).
#include <optional>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

// "yyyy-mm-dd hh:nn:ss", rounded to the second. A value outside the valid dates raises
// ConvertError.
RUZI_API std::string DateTimeToText(double date_time);
// "yyyy-mm-dd" / "hh:nn:ss": the date or the time part alone.
RUZI_API std::string DateToText(double date_time);
RUZI_API std::string TimeToText(double date_time);
// Nothing when the text is none of the forms above or names no valid date or time.
RUZI_API std::optional<double> TryTextToDateTime(std::string_view text);

}  // namespace ruzi
