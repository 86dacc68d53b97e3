// The machine as the operation log records it.
#include "command.h"
#include "service/computer_info.h"

namespace ruzi::cli {
namespace {

int RunComputer(CommandContext& context) {
  context.ExpectCount(0, 0);
  const RComputerInfo& info = GetComputerInfo();
  context.PrintLine("vc_computer_name: " + info.computer_name);
  context.PrintLine("vc_mac: " + info.mac);
  context.PrintLine("vc_ipaddress: " + info.ip_address);
  context.PrintLine("vc_ipv6: " + info.ipv6);
  context.PrintLine("vc_volserial_no: " + info.volume_serial);
  return 0;
}

const CommandRegistration kRegistration{
    {"computer", "show the computer name, MAC, addresses and volume serial the operation log sends", "computer",
     RunComputer}};

}  // namespace
}  // namespace ruzi::cli
