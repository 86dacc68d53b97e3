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

TEST(SdkDllSpeed, LiveServersAreRankedByDelayInAboutTheTimeOfTheSlowest) {
  platform::DynamicLibrary sdk = LoadSdk("");
  ASSERT_TRUE(sdk.IsLoaded());
  ExpectRankedByDelay(MeasureSpeeds(SpeedEntriesOf(sdk), LiveServers(), 5000), kDelays);
}

TEST(SdkDllSpeed, SilentAndClosedServersAreUnreachableWithinTheTimeOut) {
  platform::DynamicLibrary sdk = LoadSdk("geer_gm\\");  // the copies probe alike
  ASSERT_TRUE(sdk.IsLoaded());
  Listener silent(true);
  Listener closed(false);
  std::vector<std::string> lines = LiveServers();
  lines.insert(lines.begin() + 1, Local(silent.Port()));
  lines.push_back(Local(closed.Port()));
  SpeedAnswer answer = MeasureSpeeds(SpeedEntriesOf(sdk), lines, 1500);
  ASSERT_EQ(answer.status, 0);
  ASSERT_EQ(answer.rows.size(), 5u);
  EXPECT_LT(answer.rows[1].net_delay, 0);
  EXPECT_EQ(answer.rows[1].conn_count, -1);
  EXPECT_EQ(answer.rows[1].last_error, 10060);
  EXPECT_LT(answer.rows[4].net_delay, 0);
  EXPECT_NE(answer.rows[4].last_error, 0);
  for (size_t live : {0u, 2u, 3u}) EXPECT_EQ(answer.rows[live].last_error, 0) << live;
  EXPECT_GE(answer.elapsed_ms, 1450);
  EXPECT_LT(answer.elapsed_ms, 1500 + 400) << "the time-out bounds the whole measurement";
}

}  // namespace
}  // namespace ruzi::testing
