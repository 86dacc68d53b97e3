#pragma once
// The program's arguments as GBK byte strings. Under Windows they come from the wide command
// line through code page 936, whatever the process code page; natively argv is UTF-8.
#include <string>
#include <vector>

namespace ruzi::platform {

std::vector<std::string> CommandLineArguments(int argc, char** argv);

}  // namespace ruzi::platform

namespace ruzi::platform {

// The arguments byte for byte as the program received them (for --raw).
std::vector<std::string> RawCommandLineArguments(int argc, char** argv);

}  // namespace ruzi::platform

namespace ruzi::platform {

// stdin, stdout and stderr pass bytes unchanged (no "\r\n" for "\n" on Windows).
void UseBinaryStandardStreams();

}  // namespace ruzi::platform
