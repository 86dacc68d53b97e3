#include "platform/volume_serial.h"

namespace ruzi::platform {

std::string VolumeSerialOf(const std::string&) { return ""; }

}  // namespace ruzi::platform
