#include "library/start_error_record.h"

#include "library/unit_registry.h"
#include "platform/debug_output.h"
#include "platform/environment.h"

namespace ruzi {

void RecordStartError(const std::string& message) {
  platform::WriteDebugOutput("ruzirareva: start failed: " + message);
  platform::SetEnvironment(kStartErrorVariable, message);
}

std::string LastStartErrorText() {
  std::string own = UnitRegistry::Instance().LastStartError();
  return own.empty() ? platform::GetEnvironment(kStartErrorVariable) : own;
}

}  // namespace ruzi
