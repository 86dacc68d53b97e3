#include "security/tuxedo_pass.h"

#include "platform/environment.h"

namespace ruzi {

int InitTuxedoPass(std::string_view name, std::string_view password) {
  if (!name.empty()) platform::SetEnvironment("tuxedo_name", name);
  if (!password.empty()) platform::SetEnvironment("tuxedo_pass", password);
  return 0;
}

std::string GetTuxedoPass() { return platform::GetEnvironment("tuxedo_pass"); }

}  // namespace ruzi
