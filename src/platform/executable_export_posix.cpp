#include <dlfcn.h>

#include <string>

#include "platform/executable_export.h"

namespace ruzi::platform {

void* ExecutableExport(std::string_view name) {
  // The main program's handle; it only sees symbols the executable exports dynamically.
  void* executable = dlopen(nullptr, RTLD_LAZY | RTLD_NOLOAD);
  if (executable == nullptr) return nullptr;
  void* symbol = dlsym(executable, std::string(name).c_str());
  dlclose(executable);
  return symbol;
}

}  // namespace ruzi::platform
