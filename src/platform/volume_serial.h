#pragma once
// The serial number of the volume a path lies on, as Windows shows it ("XXXX-XXXX").
#include <string>

namespace ruzi::platform {

// "" when the volume cannot be read (and natively, where volumes carry no such number).
std::string VolumeSerialOf(const std::string& path);

}  // namespace ruzi::platform
