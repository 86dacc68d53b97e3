#pragma once
// Where the running executable is. Directories end with the path separator, so a file name
// can be appended directly ("<dir>" + "config\\server.ini").
#include <string>

namespace ruzi::platform {

std::string ExecutablePath();
std::string ExecutableDirectory();
// The separator of this platform's paths.
char PathSeparator();

}  // namespace ruzi::platform

namespace ruzi::platform {

// The path made absolute against the current directory (the profile API would otherwise look
// for a bare file name in the Windows folder).
std::string AbsolutePath(const std::string& path);

}  // namespace ruzi::platform
