#include "multi_network_speed.h"

#include <string>
#include <thread>
#include <vector>

#include "server_probe.h"

namespace ruzi::sdk {
namespace {

struct Server {
  std::string address;
  std::string port;
  ServerSpeed speed;
};

int32_t Refuse(IF2Packer* answer, const char* text) {
  answer->DefineField("error_no", 'I', 10, 0);
  answer->DefineField("error_info", 'S', 255, 0);
  answer->PutInt(kSpeedBadRequest);
  answer->PutStr(text);
  return kSpeedBadRequest;
}

void WriteRows(IF2Packer* answer, const std::vector<Server>& servers) {
  answer->DefineField("address", 'S', 255, 0);
  answer->DefineField("port", 'S', 32, 0);
  answer->DefineField("conn_count", 'I', 10, 0);
  answer->DefineField("net_delay", 'F', 12, 3);
  answer->DefineField("last_error", 'I', 10, 0);
  for (const Server& server : servers) {
    answer->PutStr(server.address.c_str());
    answer->PutStr(server.port.c_str());
    answer->PutInt(server.speed.conn_count);
    answer->PutDouble(server.speed.net_delay);
    answer->PutInt(server.speed.last_error);
  }
}

}  // namespace

int32_t MeasureServers(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout_ms) {
  const auto deadline = ProbeClock::now() + std::chrono::milliseconds(timeout_ms);
  if (answer == nullptr) return kSpeedNoAnswer;
  if (request == nullptr) return Refuse(answer, "请求数据包为空");
  if (request->FieldIndex("address") < 0 || request->FieldIndex("port") < 0) {
    return Refuse(answer, "请求数据包缺少address或port字段");
  }
  if (request->RowCount() > static_cast<int32_t>(kMaxProbedServers)) return Refuse(answer, "服务器个数超过上限256");

  std::vector<Server> servers(static_cast<size_t>(request->RowCount()));
  request->GoFirst();
  for (Server& server : servers) {
    server.address = request->StrByName("address");
    server.port = request->StrByName("port");
    request->NextRow();
  }
  request->GoFirst();

  std::vector<std::thread> probes;
  probes.reserve(servers.size());
  for (Server& server : servers) {
    try {
      probes.emplace_back([&server, deadline] { server.speed = ProbeServer(server.address, server.port, deadline); });
    } catch (const std::system_error&) {
      server.speed.last_error = kProbeRefused;  // no thread left for it: counted as unreachable
    }
  }
  for (std::thread& probe : probes) probe.join();
  WriteRows(answer, servers);
  return 0;
}

}  // namespace ruzi::sdk
