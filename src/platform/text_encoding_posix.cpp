#include <errno.h>
#include <iconv.h>

#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

std::string Convert(std::string_view text, const char* from, const char* to) {
  iconv_t converter = iconv_open(to, from);
  if (converter == reinterpret_cast<iconv_t>(-1)) return std::string(text);
  std::string result;
  result.reserve(text.size() * 3 / 2 + 4);
  char* in = const_cast<char*>(text.data());
  size_t in_left = text.size();
  char buffer[1024];
  while (in_left > 0) {
    char* out = buffer;
    size_t out_left = sizeof buffer;
    size_t done = iconv(converter, &in, &in_left, &out, &out_left);
    result.append(buffer, static_cast<size_t>(out - buffer));
    if (done == static_cast<size_t>(-1) && errno != E2BIG) {
      // An unconvertible or truncated sequence: its first byte becomes '?'.
      result.push_back('?');
      ++in;
      --in_left;
    }
  }
  iconv_close(converter);
  return result;
}

}  // namespace

std::string GbkToUtf8(std::string_view gbk) { return Convert(gbk, "GBK", "UTF-8"); }
std::string Utf8ToGbk(std::string_view utf8) { return Convert(utf8, "UTF-8", "GBK"); }

}  // namespace ruzi::platform
