// The Win32 environment block through the W functions and code page 936: Wine's
// GetEnvironmentVariableA copies one byte per character and cuts double-byte values short.
#include <windows.h>

#include "platform/environment.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {

std::optional<std::string> FindEnvironment(std::string_view name) {
  const std::wstring key = GbkToWide(name);
  std::wstring value(256, L'\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableW(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) {
      value.resize(length);
      return WideToGbk(value);
    }
    value.resize(length);  // the required size, terminating NUL included
  }
}

std::string GetEnvironment(std::string_view name) { return FindEnvironment(name).value_or(""); }

bool SetEnvironment(std::string_view name, std::string_view value) {
  return SetEnvironmentVariableW(GbkToWide(name).c_str(), GbkToWide(value).c_str()) != 0;
}

bool UnsetEnvironment(std::string_view name) {
  return SetEnvironmentVariableW(GbkToWide(name).c_str(), nullptr) != 0;
}

std::vector<std::pair<std::string, std::string>> EnvironmentBlock() {
  std::vector<std::pair<std::string, std::string>> result;
  wchar_t* block = GetEnvironmentStringsW();
  if (block == nullptr) return result;
  for (const wchar_t* entry = block; *entry != L'\0'; entry += std::wstring_view(entry).size() + 1) {
    std::wstring_view text(entry);
    // Entries such as "=C:=C:\" belong to the shell: their name starts with '='.
    size_t equals = text.find(L'=', 1);
    if (text[0] == L'=' || equals == std::wstring_view::npos) continue;
    result.emplace_back(WideToGbk(text.substr(0, equals)), WideToGbk(text.substr(equals + 1)));
  }
  FreeEnvironmentStringsW(block);
  return result;
}

}  // namespace ruzi::platform
