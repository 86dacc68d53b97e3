// The business initialisation date: the signed-on cache's record, else the value kept in the
// process environment, else the back end (kept for the next call).
#include "foundation/string_to_number.h"
#include "platform/environment.h"
#include "query/data_field.h"
#include "query/qx_data_set.h"
#include "service/cached_system_record.h"
#include "service/qx_comm.h"

namespace ruzi {

int32_t qxGetInitDate() {
  if (platform::GetEnvironment("logined") == "1") {
    const std::optional<RSystemInfo> record = CachedSystemRecord();
    return record ? record->init_date : 0;
  }
  if (const int32_t kept = StrToIntDef(platform::GetEnvironment("InitDateValue"), 0); kept > 0) return kept;
  TQXQuery query;
  query.setQueryName("get_tsysteminfo");
  query.Open();
  const auto date = static_cast<int32_t>(query.FieldByName("l_init_date")->AsInteger());
  platform::SetEnvironment("InitDateValue", std::to_string(date));
  return date;
}

}  // namespace ruzi
