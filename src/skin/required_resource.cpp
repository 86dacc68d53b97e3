#include "skin/required_resource.h"

#include "platform/last_error.h"
#include "platform/module_resources.h"
#include "platform/win32_error.h"
#include "ruzirareva/foundation/error.h"

namespace ruzi::skin {

void ThrowLastSystemError() { throw Error(platform::Win32ErrorText(platform::LastSystemError())); }

std::string RequiredResourceBytes(void* module, const std::string& type, const std::string& name) {
  std::optional<std::string> bytes = platform::ModuleResourceBytes(module, type, name);
  if (!bytes) ThrowLastSystemError();
  return std::move(*bytes);
}

}  // namespace ruzi::skin
