// GetMultiNetWorkSpeed of ztsdk.dll under Wine against three ruzi-mwd servers started by
// CTest fixtures with different delays, a silent Winsock listener inside the test and a
// closed port.
#include <winsock2.h>

#include <gtest/gtest.h>

#include <fstream>

#include "sdk_entries_win32.h"

namespace ruzi::testing {
namespace {

const std::vector<int> kDelays = {100, 400, 250};
const char* const kFixtureDirs[] = {RUZI_SDK_FIXTURE_100, RUZI_SDK_FIXTURE_400, RUZI_SDK_FIXTURE_250};

std::string Local(int port) { return "127.0.0.1:" + std::to_string(port); }

std::vector<std::string> LiveServers() {
  std::vector<std::string> lines;
  for (const char* dir : kFixtureDirs) {
    std::ifstream in(std::string(dir) + "/port");
    int port = 0;
    in >> port;
    EXPECT_GT(port, 0) << dir;
    lines.push_back(Local(port));
  }
  return lines;
}

// A loopback socket that never accepts (open) or is closed again at once (refused).
class Listener {
 public:
  explicit Listener(bool open) {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    socket_ = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof address;
    ::bind(socket_, reinterpret_cast<sockaddr*>(&address), size);
    ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    if (open) {
      ::listen(socket_, 16);
    } else {
      closesocket(socket_);
      socket_ = INVALID_SOCKET;
    }
  }
  ~Listener() {
    if (socket_ != INVALID_SOCKET) closesocket(socket_);
    WSACleanup();
  }
  int Port() const { return port_; }

 private:
  SOCKET socket_ = INVALID_SOCKET;
  int port_ = 0;
};

// The ranking and the probes side by side are proven natively; here the Winsock exchange of
// each kind of server.
TEST(SdkDllSpeed, LiveSilentAndClosedServersThroughWinsock) {
  platform::DynamicLibrary sdk = LoadSdk("geer_gm\\");  // the copies probe alike
  ASSERT_TRUE(sdk.IsLoaded());
  Listener silent(true);
  Listener closed(false);
  std::vector<std::string> lines = LiveServers();
  lines.insert(lines.begin() + 1, Local(silent.Port()));
  lines.push_back(Local(closed.Port()));
  SpeedAnswer answer = MeasureSpeeds(SpeedEntriesOf(sdk), lines, 1500);
  ExpectUnreachableWithinTheTimeOut(answer, 1500, 400);
  for (size_t live : {0u, 2u, 3u}) EXPECT_GE(answer.rows[live].net_delay, kDelays[live == 0 ? 0 : live - 1]);
}

}  // namespace
}  // namespace ruzi::testing
