#include <windows.h>

#include "platform/file_delete.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {

bool DeleteFileAt(const std::string& path) { return DeleteFileW(GbkToWide(path).c_str()) != 0; }

}  // namespace ruzi::platform
