#pragma once
// Deleting a file by its GBK path; both '\' and '/' separate on the native side.
#include <string>

namespace ruzi::platform {

// True when the file is gone afterwards because this call removed it.
bool DeleteFileAt(const std::string& path);

}  // namespace ruzi::platform
