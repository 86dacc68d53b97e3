#include <windows.h>

#include "platform/module_resources.h"

namespace ruzi::platform {

void* LoadModuleIcon(void* module, const std::string& name) {
  return LoadIconA(static_cast<HMODULE>(module), name.c_str());
}

void* LoadModuleIconSized(void* module, const std::string& name, int width, int height) {
  return LoadImageA(static_cast<HMODULE>(module), name.c_str(), IMAGE_ICON, width, height, 0);
}

void* LoadModuleBitmap(void* module, const std::string& name) {
  return LoadBitmapA(static_cast<HMODULE>(module), name.c_str());
}

int LoadModuleString(void* module, uint32_t id, char* buffer, int buffer_size) {
  return LoadStringA(static_cast<HMODULE>(module), id, buffer, buffer_size);
}

void FreeModule(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

}  // namespace ruzi::platform
