#include <windows.h>

#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

constexpr UINT kGbkCodePage = 936;

std::wstring ToWide(std::string_view text, UINT code_page) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string FromWide(std::wstring_view wide, UINT code_page) {
  if (wide.empty()) return {};
  int length = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                   nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), text.data(), length, nullptr,
                      nullptr);
  return text;
}

}  // namespace

std::wstring GbkToWide(std::string_view gbk) { return ToWide(gbk, kGbkCodePage); }
std::string WideToGbk(std::wstring_view wide) { return FromWide(wide, kGbkCodePage); }
std::string GbkToUtf8(std::string_view gbk) { return FromWide(ToWide(gbk, kGbkCodePage), CP_UTF8); }
std::string Utf8ToGbk(std::string_view utf8) { return FromWide(ToWide(utf8, CP_UTF8), kGbkCodePage); }

}  // namespace ruzi::platform
