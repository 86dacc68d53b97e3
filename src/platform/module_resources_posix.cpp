#include <dlfcn.h>

#include "platform/module_resources.h"

namespace ruzi::platform {

void* LoadModuleIcon(void*, const std::string&) { return nullptr; }
void* LoadModuleIconSized(void*, const std::string&, int, int) { return nullptr; }
void* LoadModuleBitmap(void*, const std::string&) { return nullptr; }

int LoadModuleString(void*, uint32_t, char* buffer, int buffer_size) {
  if (buffer_size > 0) buffer[0] = '\0';
  return 0;
}

std::optional<std::string> ModuleResourceBytes(void*, const std::string&, const std::string&) { return std::nullopt; }
void* LoadModuleAsData(const std::string&) { return nullptr; }

void ReleaseModule(void* module) { dlclose(module); }

}  // namespace ruzi::platform
