#include "service/computer_info.h"

#include "platform/computer_name.h"
#include "platform/network_adapter.h"
#include "platform/paths.h"
#include "platform/volume_serial.h"

namespace ruzi {
namespace {

RComputerInfo ReadComputerInfo() {
  const platform::NetworkAdapter adapter = platform::FirstRunningAdapter();
  return {platform::ComputerName(), adapter.mac, adapter.ipv4, adapter.ipv6,
          platform::VolumeSerialOf(platform::ExecutablePath())};
}

}  // namespace

const RComputerInfo& GetComputerInfo() {
  static const RComputerInfo info = ReadComputerInfo();
  return info;
}

}  // namespace ruzi
