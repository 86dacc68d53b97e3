#include <windows.h>
#include <shellapi.h>

#include "platform/command_line.h"

namespace ruzi::platform {

std::vector<std::string> CommandLineArguments(int, char**) {
  std::vector<std::string> result;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return result;
  for (int i = 0; i < count; ++i) {
    int length = WideCharToMultiByte(936, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(static_cast<size_t>(length > 0 ? length - 1 : 0), '\0');
    if (length > 1) WideCharToMultiByte(936, 0, wide[i], -1, arg.data(), length, nullptr, nullptr);
    result.push_back(std::move(arg));
  }
  LocalFree(wide);
  return result;
}

}  // namespace ruzi::platform

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace ruzi::platform {

void UseBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  _setmode(_fileno(stdin), _O_BINARY);
}

}  // namespace ruzi::platform
