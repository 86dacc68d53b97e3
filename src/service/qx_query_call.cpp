// Named-query datasets reach the server by CallService, set when the library starts (the
// dataset machinery itself knows nothing of the middleware).
#include "service/qx_query_call.h"

#include "library/unit_registry.h"
#include "query/qx_data_set.h"
#include "service/call_service.h"

namespace ruzi {

int32_t CallForQuery(const std::string& service, const std::string& input, std::string& output, int32_t timeout) {
  return CallService(service, input, output, timeout);
}

namespace {

const UnitRegistration kUnit{{"named queries", [] { TQxDataSet::SetDefaultServiceCall(CallForQuery); }, nullptr,
                              [] { TQxDataSet::SetDefaultServiceCall(nullptr); }}};

}  // namespace
}  // namespace ruzi
