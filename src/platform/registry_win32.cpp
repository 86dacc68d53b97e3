// Through the W functions, so GBK names and values survive whatever the process code page is.
#include <windows.h>

#include <vector>

#include "platform/registry.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

HKEY RootKey(RegistryRoot root) { return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }

std::wstring SubKey(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  return GbkToWide(path);
}

}  // namespace

RegistryKey RegistryKey::Open(RegistryRoot root, std::string_view path, bool writable) {
  HKEY key = nullptr;
  const REGSAM access = writable ? KEY_READ | KEY_WRITE : KEY_READ;
  if (RegOpenKeyExW(RootKey(root), SubKey(path).c_str(), 0, access, &key) != ERROR_SUCCESS) return RegistryKey();
  return RegistryKey(key);
}

RegistryKey RegistryKey::OpenOrCreate(RegistryRoot root, std::string_view path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootKey(root), SubKey(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return RegistryKey();
  }
  return RegistryKey(key);
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  if (handle_ == nullptr) return std::nullopt;
  const std::wstring value_name = GbkToWide(name);
  DWORD type = 0;
  DWORD size = 0;
  HKEY key = static_cast<HKEY>(handle_);
  if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
  DWORD read_size = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
  if (RegQueryValueExW(key, value_name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                       &read_size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  // The stored data may or may not end with its terminator.
  std::wstring_view text(buffer.data(), read_size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
  return WideToGbk(text);
}

bool RegistryKey::WriteString(std::string_view name, std::string_view value) {
  if (handle_ == nullptr) return false;
  const std::wstring data = GbkToWide(value);
  return RegSetValueExW(static_cast<HKEY>(handle_), GbkToWide(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(std::string_view name) {
  if (handle_ == nullptr) return false;
  return RegDeleteValueW(static_cast<HKEY>(handle_), GbkToWide(name).c_str()) == ERROR_SUCCESS;
}

void RegistryKey::Close() {
  if (handle_ != nullptr) RegCloseKey(static_cast<HKEY>(handle_));
  handle_ = nullptr;
}

}  // namespace ruzi::platform
