// Linked only into the failing_start test DLL.
#include "foundation/error.h"
#include "library/unit_registry.h"

namespace {

const ruzi::UnitRegistration kFailing{
    {"middleware binding", [] { throw ruzi::Error("wtuxws32.dll not found"); }, nullptr, nullptr}};

}  // namespace
