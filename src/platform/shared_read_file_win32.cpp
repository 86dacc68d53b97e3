#include <windows.h>

#include "platform/shared_read_file.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {

std::optional<std::string> ReadFileDenyingWriters(const std::string& path) {
  HANDLE file = CreateFileW(GbkToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::optional<std::string> bytes(std::in_place);
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) {
      bytes.reset();
      break;
    }
    if (read == 0) break;
    bytes->append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

}  // namespace ruzi::platform
