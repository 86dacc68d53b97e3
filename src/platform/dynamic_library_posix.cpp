#include <dlfcn.h>
#include <link.h>

#include "platform/dynamic_library.h"

namespace ruzi::platform {

DynamicLibrary DynamicLibrary::Loaded(std::string_view name) {
  return DynamicLibrary(dlopen(std::string(name).c_str(), RTLD_NOW | RTLD_NOLOAD), true);
}

DynamicLibrary DynamicLibrary::LoadedOrLoad(std::string_view name) {
  // dlopen counts references, so a second open of a loaded module is the same module.
  return DynamicLibrary(dlopen(std::string(name).c_str(), RTLD_NOW), true);
}

DynamicLibrary DynamicLibrary::LoadFullPath(std::string_view path) {
  if (path.find('/') == std::string_view::npos) return DynamicLibrary();
  return LoadedOrLoad(path);
}

void* DynamicLibrary::Export(std::string_view name) const {
  if (handle_ == nullptr) return nullptr;
  return dlsym(handle_, std::string(name).c_str());
}

void* DynamicLibrary::ExportByOrdinal(unsigned) const { return nullptr; }

std::string DynamicLibrary::Path() const {
  if (handle_ == nullptr) return "";
  link_map* map = nullptr;
  if (dlinfo(handle_, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) return "";
  return map->l_name;
}

std::string DynamicLibrary::LastError() {
  const char* text = dlerror();
  return text != nullptr ? text : "";
}

void DynamicLibrary::Release() {
  if (handle_ != nullptr && owned_) dlclose(handle_);
  handle_ = nullptr;
  owned_ = false;
}

}  // namespace ruzi::platform
