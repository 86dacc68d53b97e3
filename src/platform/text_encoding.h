#pragma once
// Conversions between the library's GBK text and UTF-8 (terminals, files meant for people).
// Bytes that do not convert become '?'; nothing else is lost.
#include <string>
#include <string_view>

namespace ruzi::platform {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

#ifdef _WIN32
// GBK to and from UTF-16 through code page 936, whatever the process code page is. Every text
// that crosses into Win32 goes through the W functions this way (the A functions of Wine lose
// bytes of double-byte text).
std::wstring GbkToWide(std::string_view gbk);
std::string WideToGbk(std::wstring_view wide);
#endif

}  // namespace ruzi::platform
