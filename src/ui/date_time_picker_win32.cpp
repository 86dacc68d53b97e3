// The picker's value and format in the system's window, as SYSTEMTIME.
#include <windows.h>

#include <cmath>
#include <commctrl.h>

#include "foundation/date_time.h"
#include "platform/text_encoding.h"
#include "ui/date_time_picker.h"

namespace ruzi {
namespace {

constexpr double kMillisecondsPerDay = 86400000.0;

bool ToSystemTime(double date_time, SYSTEMTIME& time) {
  const auto date = TryDecodeDate(date_time);
  if (!date) return false;
  const auto milliseconds =
      static_cast<long long>(std::llround(std::fabs(date_time - std::trunc(date_time)) * kMillisecondsPerDay));
  time = SYSTEMTIME{};
  time.wYear = static_cast<WORD>(date->year);
  time.wMonth = static_cast<WORD>(date->month);
  time.wDay = static_cast<WORD>(date->day);
  time.wHour = static_cast<WORD>(milliseconds / 3600000 % 24);
  time.wMinute = static_cast<WORD>(milliseconds / 60000 % 60);
  time.wSecond = static_cast<WORD>(milliseconds / 1000 % 60);
  return true;
}

double FromSystemTime(const SYSTEMTIME& time) {
  return EncodeDate(time.wYear, time.wMonth, time.wDay) + EncodeTime(time.wHour, time.wMinute, time.wSecond, 0);
}

}  // namespace

void TDateTimePicker::UpdateWindowValue() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  const std::wstring format = platform::GbkToWide(format_);
  SendMessageW(window, DTM_SETFORMATW, 0, format.empty() ? 0 : reinterpret_cast<LPARAM>(format.c_str()));
  SYSTEMTIME time;
  if (ToSystemTime(date_time_, time)) SendMessageW(window, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

bool TDateTimePicker::ChangedValue(const TMessage& message, double& date_time) {
  const auto* change = reinterpret_cast<const NMDATETIMECHANGE*>(message.LParam);
  if (change->nmhdr.code != static_cast<UINT>(DTN_DATETIMECHANGE) || change->dwFlags != GDT_VALID) return false;
  date_time = FromSystemTime(change->st);
  return true;
}

}  // namespace ruzi
