#pragma once
// Conversions between the library's GBK text and UTF-8 (terminals, files meant for people).
// Bytes that do not convert become '?'; nothing else is lost.
#include <string>
#include <string_view>

namespace ruzi::platform {

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace ruzi::platform
