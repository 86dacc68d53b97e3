#pragma once
#include <optional>
#include <string>

namespace ruzi::platform {

// The whole file, opened so that other processes may read it meanwhile but not write it (a
// file someone holds open for writing is refused); nullopt when it cannot be opened or read.
// Native files have no sharing modes: it is read as it is.
std::optional<std::string> ReadFileDenyingWriters(const std::string& path);

}  // namespace ruzi::platform
