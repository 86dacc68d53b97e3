// The back end's initial date-time and the database's clock, each fetched once more when the
// first answer is not a date. The library's date texts are always "yyyy-mm-dd" and "hh:nn:ss",
// so the process formats the initial date-time sets are the ones in force already.
#include "foundation/date_time_text.h"
#include "foundation/date_time_value.h"
#include "service/qx_comm.h"

namespace ruzi {
namespace {

// A date-time answer as a number: numbers as they are, a text as a date-time text; a text
// that is none, or a failed call, reads 0 (the retry's condition).
double FetchDateTime(const char* query_name) {
  try {
    const Variant value = FetchQueryName(query_name, "", 20, 0, 0);
    if (value.Kind() != VariantKind::String) return value.AsFloat();
    return TryTextToDateTime(value.AsString()).value_or(0);
  } catch (const std::exception&) {
    return 0;
  }
}

double FetchDateTimeRetried(const char* query_name, const char* retry_line) {
  const double value = FetchDateTime(query_name);
  if (value > 0) return value;
  qxWriteLog(0, retry_line, ltPublic);
  return FetchDateTime(query_name);
}

// Through the texts "yyyymmdd" and "hhnnss" and back: the milliseconds go.
double WholeSeconds(double value) {
  platform::LocalDateTime parts = FromDateTimeValue(value);
  parts.millisecond = 0;
  return ToDateTimeValue(parts);
}

}  // namespace

double qxGetDateTime() {
  qxWriteLog(0, "获取系统初始化日期，数据库时间", ltPublic);
  return FetchDateTimeRetried("RC_GetInitDateTime", "获取系统初始化日期，值为0，重试一次！");
}

double qxGetSysDateTime() {
  double value = FetchDateTimeRetried("select_sysdate", "获取数据库时间为0 重试一次！");
  if (value > 0) {
    value = WholeSeconds(value);
    qxWriteLog(0, "获取数据库时间:" + DateTimeToText(value), ltPublic);
  } else {
    qxWriteLog(0, "获取数据库时间失败", ltPublic);
  }
  return value;
}

}  // namespace ruzi
