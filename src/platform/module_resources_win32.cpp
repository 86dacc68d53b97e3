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

std::optional<std::string> ModuleResourceBytes(void* module, const std::string& type, const std::string& name) {
  HRSRC found = FindResourceA(static_cast<HMODULE>(module), name.c_str(), type.c_str());
  if (found == nullptr) return std::nullopt;
  HGLOBAL loaded = LoadResource(static_cast<HMODULE>(module), found);
  if (loaded == nullptr) return std::nullopt;
  return std::string(static_cast<const char*>(LockResource(loaded)), SizeofResource(static_cast<HMODULE>(module), found));
}

void* LoadModuleAsData(const std::string& path) {
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
}

void ReleaseModule(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }

}  // namespace ruzi::platform
