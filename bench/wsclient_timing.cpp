// Round trips through wtuxws32.dll under Wine beside the same frames sent straight through
// FrameChannel (the raw baseline of the same run, same server, same connection kind): a small
// echo and a 100 KB reply. Start ruzi-mwd first; the address comes from the argument or WSNADDR.
//   wsclient_timing //127.0.0.1:<port>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "frame_channel.h"
#include "latency_figures.h"
#include "server_argument.h"

namespace {

using Figures = ruzi::bench::LatencyFigures;
using ruzi::bench::Measure;

using TpInit = int32_t (*)(void*);
using TpAlloc = char* (*)(const char*, const char*, int32_t);
using TpCall = int32_t (*)(const char*, char*, int32_t, char**, int32_t*, int32_t, int32_t, int32_t);

}  // namespace

int main(int argc, char** argv) {
  ruzi::bench::ServerArgument server;
  if (!ruzi::bench::ReadServerArgument(argc, argv, "wsclient_timing", server)) return 2;
  const std::string host = server.host;
  const uint16_t port = server.port;

  ruzi::mw::FrameChannel raw;
  uint32_t sequence = 0;
  if (!raw.Open(host, port, 5000) || !raw.Send(ruzi::mw::SignOnRequest{"timing", "raw", "", 32}, ++sequence, 5000) ||
      !raw.Receive(5000)) {
    std::fprintf(stderr, "no server at %s:%u\n", host.c_str(), static_cast<unsigned>(port));
    return 1;
  }
  HMODULE client = LoadLibraryA("wtuxws32.dll");
  if (client == nullptr) {
    std::fprintf(stderr, "wtuxws32.dll not found\n");
    return 1;
  }
  auto tpinit = reinterpret_cast<TpInit>(reinterpret_cast<void*>(GetProcAddress(client, "tpinit")));
  auto tpalloc = reinterpret_cast<TpAlloc>(reinterpret_cast<void*>(GetProcAddress(client, "tpalloc")));
  auto tpcall = reinterpret_cast<TpCall>(reinterpret_cast<void*>(GetProcAddress(client, "tpcall")));
  char* record = tpalloc("TPINIT", nullptr, 256);
  int32_t flags = 32;
  std::memcpy(record + 128, &flags, sizeof flags);
  if (tpinit(record) != 0) {
    std::fprintf(stderr, "tpinit failed\n");
    return 1;
  }

  struct Workload {
    const char* name;
    const char* service;
    std::string request;
    int count;
  };
  const Workload workloads[] = {{"echo, 40-byte request", "demo_echo", "<vc_name>round trip timing</vc_name>", 3000},
                                {"100 KB reply", "demo_large", "<size>102400</size>", 300}};
  std::printf("%-24s %14s %14s %14s %14s %8s\n", "workload", "raw median us", "raw p99 us", "dll median us",
              "dll p99 us", "ratio");
  for (const Workload& work : workloads) {
    ruzi::mw::CallRequest call;
    call.service = work.service;
    call.buffer_type = "STRING";
    call.timeout_ms = 30000;
    call.flags = ruzi::mw::kCallTimeoutOn;
    call.data = work.request;
    Figures base = Measure(work.count, [&] {
      uint32_t mine = ++sequence;
      if (!raw.Send(call, mine, 30000)) return false;
      auto answer = raw.Receive(30000);
      return answer && answer->sequence == mine && std::holds_alternative<ruzi::mw::CallReply>(answer->message);
    });
    char* in = tpalloc("STRING", nullptr, static_cast<int32_t>(work.request.size() + 1));
    std::memcpy(in, work.request.c_str(), work.request.size() + 1);
    char* out = tpalloc("STRING", nullptr, 1024);
    Figures dll = Measure(work.count, [&] {
      int32_t length = 0;
      return tpcall(work.service, in, 0, &out, &length, 0, 30000, 1) == 0;
    });
    std::printf("%-24s %14.1f %14.1f %14.1f %14.1f %8.2f\n", work.name, base.median_us, base.p99_us, dll.median_us,
                dll.p99_us, dll.median_us / base.median_us);
  }
  return 0;
}
