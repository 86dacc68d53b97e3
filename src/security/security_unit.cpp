// Start step of the security unit: the block layer is prepared once when the library loads.
// The DES engine's lock and schedules are function statics, alive for the whole process.
#include "library/unit_registry.h"
#include "security/sm_api.h"

namespace ruzi {
namespace {

const UnitRegistration kUnit{{"Encryptpublic", [] { InitGMalgo(); }, nullptr, nullptr}};

}  // namespace
}  // namespace ruzi
