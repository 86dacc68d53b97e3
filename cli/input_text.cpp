#include "input_text.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ruzi::cli {

std::string ReadInputText(const std::string& path) {
  if (path == "-") {
    std::string text;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) text.append(buffer, count);
    return text;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace ruzi::cli
