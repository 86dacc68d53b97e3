#include <windows.h>

#include <string>

#include "dialogs/message_sink.h"

namespace ruzi {
namespace {

std::wstring GbkToWide(std::string_view gbk) {
  if (gbk.empty()) return {};
  const int length = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), wide.data(), length);
  return wide;
}

// The caption a box without one gets: the executable's name, as the application title.
std::wstring ApplicationTitle() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path);
  name = name.substr(name.find_last_of(L"\\/") + 1);
  return name.substr(0, name.rfind(L'.'));
}

}  // namespace

int DefaultMessageSink(std::string_view text, std::string_view caption, unsigned flags) {
  const std::wstring title = caption.empty() ? ApplicationTitle() : GbkToWide(caption);
  return MessageBoxW(GetActiveWindow(), GbkToWide(text).c_str(), title.c_str(), flags);
}

}  // namespace ruzi
