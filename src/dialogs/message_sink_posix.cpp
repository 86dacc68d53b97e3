#include <cstdio>
#include <string>

#include "dialogs/message_sink.h"
#include "platform/text_encoding.h"

namespace ruzi {

int DefaultMessageSink(std::string_view text, std::string_view caption, unsigned flags) {
  std::string line = caption.empty() ? std::string() : "[" + std::string(caption) + "] ";
  line += text;
  line = platform::GbkToUtf8(line) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  return DefaultButton(flags);
}

}  // namespace ruzi
