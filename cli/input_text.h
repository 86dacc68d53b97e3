#pragma once
#include <string>

namespace ruzi::cli {

// The bytes of a file, or of standard input for "-"; throws when the file cannot be read.
std::string ReadInputText(const std::string& path);

}  // namespace ruzi::cli
