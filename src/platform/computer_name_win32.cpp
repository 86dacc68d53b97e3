#include <windows.h>

#include "platform/computer_name.h"

namespace ruzi::platform {

std::string ComputerName() {
  char buffer[MAX_COMPUTERNAME_LENGTH + 1];
  DWORD size = sizeof buffer;
  if (!GetComputerNameA(buffer, &size)) return "";
  return std::string(buffer, size);
}

}  // namespace ruzi::platform
