#include <windows.h>

#include "platform/ini_file.h"

namespace ruzi::platform {
namespace {

// Calls a profile reader with a growing buffer until the text fits. `reserve` is how much
// the API keeps back when it truncates (1 for a value, 2 for a NUL-separated list).
template <typename Reader>
std::string ReadGrowing(Reader reader, DWORD reserve) {
  std::string buffer(1024, '\0');
  for (;;) {
    DWORD length = reader(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + reserve < buffer.size() || buffer.size() >= (1u << 24)) {
      buffer.resize(length);
      return buffer;
    }
    buffer.resize(buffer.size() * 4);
  }
}

std::vector<std::string> SplitNulList(const std::string& list) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find('\0', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) items.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

}  // namespace

std::string ReadIniString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view default_value) {
  const std::string path(file), sect(section), name(key), fallback(default_value);
  return ReadGrowing(
      [&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(sect.c_str(), name.c_str(), fallback.c_str(), buffer, size, path.c_str());
      },
      1);
}

bool WriteIniString(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view value) {
  return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                    std::string(value).c_str(), std::string(file).c_str()) != 0;
}

std::vector<std::string> ReadIniKeys(std::string_view file, std::string_view section) {
  const std::string path(file), sect(section);
  std::string list = ReadGrowing(
      [&](char* buffer, DWORD size) {
        if (sect.empty()) return GetPrivateProfileSectionNamesA(buffer, size, path.c_str());
        return GetPrivateProfileStringA(sect.c_str(), nullptr, "", buffer, size, path.c_str());
      },
      2);
  return SplitNulList(list);
}

}  // namespace ruzi::platform
