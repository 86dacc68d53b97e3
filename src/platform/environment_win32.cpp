#include "platform/environment.h"

#include <windows.h>

namespace ruzi::platform {

std::optional<std::string> FindEnvironment(std::string_view name) {
  const std::string key(name);
  std::string value(256, '\0');
  for (;;) {
    SetLastError(ERROR_SUCCESS);
    DWORD length = GetEnvironmentVariableA(key.c_str(), value.data(), static_cast<DWORD>(value.size()));
    if (length == 0) {
      if (GetLastError() == ERROR_ENVVAR_NOT_FOUND) return std::nullopt;
      return std::string();
    }
    if (length < value.size()) {
      value.resize(length);
      return value;
    }
    value.resize(length);  // length includes the terminating NUL here
  }
}

std::string GetEnvironment(std::string_view name) { return FindEnvironment(name).value_or(""); }

bool SetEnvironment(std::string_view name, std::string_view value) {
  return SetEnvironmentVariableA(std::string(name).c_str(), std::string(value).c_str()) != 0;
}

bool UnsetEnvironment(std::string_view name) {
  return SetEnvironmentVariableA(std::string(name).c_str(), nullptr) != 0;
}

std::vector<std::pair<std::string, std::string>> EnvironmentBlock() {
  std::vector<std::pair<std::string, std::string>> result;
  char* block = GetEnvironmentStringsA();
  if (block == nullptr) return result;
  for (const char* entry = block; *entry != '\0'; entry += std::string_view(entry).size() + 1) {
    std::string_view text(entry);
    // Entries such as "=C:=C:\" belong to the shell: their name starts with '='.
    size_t equals = text.find('=', 1);
    if (text.empty() || text[0] == '=' || equals == std::string_view::npos) continue;
    result.emplace_back(std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)));
  }
  FreeEnvironmentStringsA(block);
  return result;
}

}  // namespace ruzi::platform
