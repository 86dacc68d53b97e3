#include <windows.h>

#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

constexpr UINT kGbkCodePage = 936;

std::string Convert(std::string_view text, UINT from, UINT to) {
  if (text.empty()) return {};
  int wide_length = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(wide_length), L'\0');
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wide_length);
  int length = WideCharToMultiByte(to, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wide_length, result.data(), length, nullptr, nullptr);
  return result;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert(gbk, kGbkCodePage, CP_UTF8); }
std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, CP_UTF8, kGbkCodePage); }

}  // namespace ruzi::platform
