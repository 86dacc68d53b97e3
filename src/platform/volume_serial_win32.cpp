#include <windows.h>

#include <cstdio>

#include "platform/volume_serial.h"

namespace ruzi::platform {

std::string VolumeSerialOf(const std::string& path) {
  char root[MAX_PATH] = {};
  DWORD serial = 0;
  if (!GetVolumePathNameA(path.c_str(), root, sizeof root) ||
      !GetVolumeInformationA(root, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) {
    return "";
  }
  char text[10];
  std::snprintf(text, sizeof text, "%04X-%04X", static_cast<unsigned>(serial >> 16), static_cast<unsigned>(serial & 0xFFFF));
  return text;
}

}  // namespace ruzi::platform
