// The connection's bounded waits against an in-process peer that reads and writes only when
// told: its sockets never block, so every wait is a poll that must end on time.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "tcp_connection.h"

namespace ruzi::mw {
namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A listening socket on a free loopback port and the one connection it accepts.
class Peer {
 public:
  Peer() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 1);
    int length = sizeof address;
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~Peer() {
    if (accepted_ != INVALID_SOCKET) closesocket(accepted_);
    closesocket(listener_);
  }
  uint16_t Port() const { return port_; }
  void Accept() { accepted_ = accept(listener_, nullptr, nullptr); }
  void Send(const std::string& bytes) { send(accepted_, bytes.data(), static_cast<int>(bytes.size()), 0); }
  void Close() {
    closesocket(accepted_);
    accepted_ = INVALID_SOCKET;
  }

 private:
  SOCKET listener_ = INVALID_SOCKET;
  SOCKET accepted_ = INVALID_SOCKET;
  uint16_t port_ = 0;
};

TEST(TcpConnection, SendToAPeerThatDoesNotReadEndsAtItsBound) {
  Peer peer;
  TcpConnection link;
  ASSERT_TRUE(link.Open("127.0.0.1", peer.Port(), 2000));
  peer.Accept();
  ASSERT_TRUE(link.SendAll("small frames go out at once", 1000));
  // Far more than both socket buffers hold: part of it cannot leave.
  const std::string bulk(64 << 20, 'x');
  const auto start = Clock::now();
  EXPECT_FALSE(link.SendAll(bulk, 300));
  EXPECT_GE(MillisecondsSince(start), 250);
  EXPECT_LT(MillisecondsSince(start), 5000);
  EXPECT_EQ(link.Failure(), NetFailure::TimedOut);
  EXPECT_FALSE(link.IsOpen()) << "a frame cut short leaves a stream nobody can read";
}

TEST(TcpConnection, ReceiveWaitsForBytesAndTellsATimeOutFromALostPeer) {
  Peer peer;
  TcpConnection link;
  ASSERT_TRUE(link.Open("127.0.0.1", peer.Port(), 2000));
  peer.Accept();
  char buffer[16];
  auto start = Clock::now();
  EXPECT_EQ(link.Receive(buffer, sizeof buffer, 200), 0u);
  EXPECT_GE(MillisecondsSince(start), 150);
  EXPECT_EQ(link.Failure(), NetFailure::TimedOut);
  ASSERT_TRUE(link.IsOpen()) << "a time-out keeps the connection";
  EXPECT_FALSE(link.PeerGone());

  peer.Send("answer");
  ASSERT_EQ(link.Receive(buffer, sizeof buffer, 2000), 6u);
  EXPECT_EQ(std::string(buffer, 6), "answer");

  peer.Close();
  start = Clock::now();
  while (!link.PeerGone() && MillisecondsSince(start) < 2000) Sleep(10);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.Failure(), NetFailure::Lost);
  EXPECT_EQ(link.Receive(buffer, sizeof buffer, 100), 0u);
}

}  // namespace
}  // namespace ruzi::mw
