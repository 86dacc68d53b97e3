#include <windows.h>

#include <string>

#include "platform/executable_export.h"

namespace ruzi::platform {

void* ExecutableExport(std::string_view name) {
  HMODULE executable = GetModuleHandleW(nullptr);
  if (executable == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(executable, std::string(name).c_str()));
}

}  // namespace ruzi::platform
