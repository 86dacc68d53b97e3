#include "service/own_files_switch.h"

#include "foundation/trim.h"
#include "platform/environment.h"

namespace ruzi {

std::string SpecialConfigValue() { return platform::GetEnvironment("62409value"); }

bool SpecialConfigRequested(std::string_view value) {
  const std::string trimmed = Trim(value);
  return !trimmed.empty() && trimmed != "0";
}

}  // namespace ruzi
