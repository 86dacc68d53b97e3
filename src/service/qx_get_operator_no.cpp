// The signed-on operator, as the reference-data cache's system record holds it.
#include "service/cached_system_record.h"
#include "service/qx_comm.h"

namespace ruzi {

std::string qxGetOperatorNo() {
  const std::optional<RSystemInfo> record = CachedSystemRecord();
  return record ? std::to_string(record->operator_no) : "";
}

}  // namespace ruzi
