#include <windows.h>

#include "platform/dynamic_library.h"
#include "platform/win32_error.h"

namespace ruzi::platform {

DynamicLibrary DynamicLibrary::Loaded(std::string_view name) {
  return DynamicLibrary(GetModuleHandleA(std::string(name).c_str()), false);
}

DynamicLibrary DynamicLibrary::LoadedOrLoad(std::string_view name) {
  DynamicLibrary existing = Loaded(name);
  if (existing.IsLoaded()) return existing;
  return DynamicLibrary(LoadLibraryA(std::string(name).c_str()), true);
}

DynamicLibrary DynamicLibrary::LoadFullPath(std::string_view path) {
  // The altered search order makes dependencies resolve beside this copy, not the first one.
  HMODULE module = LoadLibraryExA(std::string(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  return DynamicLibrary(module, true);
}

void* DynamicLibrary::Export(std::string_view name) const {
  if (handle_ == nullptr) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), std::string(name).c_str()));
}

void* DynamicLibrary::ExportByOrdinal(unsigned ordinal) const {
  if (handle_ == nullptr || ordinal == 0 || ordinal > 0xFFFF) return nullptr;
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), MAKEINTRESOURCEA(ordinal)));
}

std::string DynamicLibrary::Path() const {
  if (handle_ == nullptr) return "";
  char buffer[MAX_PATH * 2];
  DWORD length = GetModuleFileNameA(static_cast<HMODULE>(handle_), buffer, sizeof buffer);
  return std::string(buffer, length);
}

std::string DynamicLibrary::LastError() { return Win32ErrorText(GetLastError()); }

void DynamicLibrary::Release() {
  if (handle_ != nullptr && owned_) FreeLibrary(static_cast<HMODULE>(handle_));
  handle_ = nullptr;
  owned_ = false;
}

}  // namespace ruzi::platform
