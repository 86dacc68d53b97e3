// Sign-on failures and lost connections, against private servers these tests start, freeze
// and kill. The error texts must let the connection start tell network failures ("-5", "-9",
// "-17", "-20", "超时") from a refused sign-on. Under the client, the connection's bounded
// waits against a frozen server: it neither reads nor writes, so every wait ends on its bound.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "client_calls.h"
#include "client_entries.h"
#include "mwd_server.h"
#include "platform/environment.h"
#include "tcp_connection.h"
#include "test_paths.h"

namespace ruzi::testing {
namespace {

using Clock = std::chrono::steady_clock;

long long MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::string LastErrorText() { return Client().tpstrerror(Client().gettperrno()); }

// One private server through its life: a refused password, a frozen server's late reply, a
// kill during a call, and then its dead address among the other address problems.
TEST(ClientConnection, EachFailureGivesItsNumberAndMarkerUntilSignedOnAgain) {
  const ClientEntries& c = Client();
  const std::string users = FreshTestFolder("wsclient-users") + "users";
  std::ofstream(users) << "operator wsclient secret\n";
  PrivateServer server("private", {"--credentials", UnixPath(users)});
  platform::SetEnvironment("WSNADDR", server.Address());
  EXPECT_EQ(SignOn(32, "user-at-offset-0", "wrong"), -1);
  EXPECT_EQ(c.gettperrno(), 8);
  // The server names the refused user: the record's first field went out as the user.
  EXPECT_NE(server.LogText().find("sign-on refused for user-at-offset-0\n"), std::string::npos) << server.LogText();
  EXPECT_EQ(LastErrorText(), "TPEPERM - 签到被拒绝: 用户或口令不符");  // no network marker
  EXPECT_EQ(c.getconnectstate(), 0);
  ASSERT_EQ(SignOn(32, "wsclient", "secret"), 0) << LastErrorText();
  EXPECT_EQ(c.getconnectstate(), 1);

  // A frozen server cannot answer its own time-out: the client's bound ends the wait. Thawed,
  // the server answers the old call, then the new one: only the new answer counts.
  server.Freeze();
  auto start = Clock::now();
  TextCall late = CallText("demo_echo", "<m>late</m>", 300, 1);
  auto waited = MillisecondsSince(start);
  server.Thaw();
  EXPECT_EQ(late.error_number, 13);
  EXPECT_NE(late.error_text.find("超时"), std::string::npos) << late.error_text;
  EXPECT_GE(waited, 300);
  EXPECT_LT(waited, 5000);
  TextCall fresh = CallText("demo_echo", "<m>fresh</m>");
  ASSERT_EQ(fresh.status, 0) << fresh.error_text;
  EXPECT_NE(fresh.reply.find("fresh"), std::string::npos) << fresh.reply;
  EXPECT_EQ(fresh.reply.find("late"), std::string::npos) << fresh.reply;

  // A kill during a call ends it at once; later calls fail alike until a new sign-on.
  start = Clock::now();
  std::thread killer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    server.Kill();
  });
  TextCall lost = CallText("demo_slow", "<ms>20000</ms>", 30000, 1);
  killer.join();
  EXPECT_LT(MillisecondsSince(start), 10000);
  EXPECT_EQ(lost.error_number, 12);
  EXPECT_NE(lost.error_text.find("-9"), std::string::npos) << lost.error_text;
  EXPECT_EQ(c.getconnectstate(), 0);
  EXPECT_EQ(CallText("demo_echo", "<x>again</x>").error_number, 12);
  EXPECT_EQ(c.tpterm(), 0);

  // No address, one that is no address, one no name service knows, one nobody listens on.
  const std::string dead = server.Address();
  for (const auto& [address, marker] : {std::pair<std::string, const char*>{"", "-5"}, {"//127.0.0.1:notaport", "-5"},
                                        {"//no.such.host.invalid:7000", "-20"}, {dead, "-17"}}) {
    if (address.empty()) platform::UnsetEnvironment("WSNADDR");
    else platform::SetEnvironment("WSNADDR", address);
    EXPECT_EQ(SignOn(), -1) << marker;
    EXPECT_EQ(c.gettperrno(), 12) << marker;
    EXPECT_NE(LastErrorText().find(marker), std::string::npos) << LastErrorText();
  }
  // A list: the dead address is passed over for the live one; an explicit one needs no WSNADDR.
  platform::SetEnvironment("WSNADDR", dead + "," + FixtureAddress());
  EXPECT_EQ(SignOn(), 0) << LastErrorText();
  c.tpterm();
  platform::SetEnvironment("WSNADDR", dead);
  EXPECT_EQ(c.tpinitex(nullptr, FixtureAddress().c_str()), 0) << LastErrorText();
  EXPECT_EQ(CallText("demo_echo", "<x>tpinitex</x>").status, 0);
}

TEST(TcpConnection, WaitsEndAtTheirBoundAndTellATimeOutFromALostPeer) {
  PrivateServer server("tcp-peer");
  server.Freeze();  // the system still accepts connections for it
  mw::TcpConnection link;
  ASSERT_TRUE(link.Open("127.0.0.1", server.Port(), 2000));
  char buffer[16];
  auto start = Clock::now();
  EXPECT_EQ(link.Receive(buffer, sizeof buffer, 200), 0u);
  EXPECT_GE(MillisecondsSince(start), 150);
  EXPECT_EQ(link.Failure(), mw::NetFailure::TimedOut);
  ASSERT_TRUE(link.IsOpen()) << "a time-out keeps the connection";
  EXPECT_FALSE(link.PeerGone());

  ASSERT_TRUE(link.SendAll("small frames go out at once", 1000));
  // Far more than both socket buffers hold: part of it cannot leave.
  const std::string bulk(64 << 20, 'x');
  start = Clock::now();
  EXPECT_FALSE(link.SendAll(bulk, 300));
  EXPECT_GE(MillisecondsSince(start), 250);
  EXPECT_LT(MillisecondsSince(start), 5000);
  EXPECT_EQ(link.Failure(), mw::NetFailure::TimedOut);
  EXPECT_FALSE(link.IsOpen()) << "a frame cut short leaves a stream nobody can read";

  ASSERT_TRUE(link.Open("127.0.0.1", server.Port(), 2000));
  server.Kill();
  start = Clock::now();
  while (!link.PeerGone() && MillisecondsSince(start) < 2000) Sleep(10);
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.Failure(), mw::NetFailure::Lost);
  EXPECT_EQ(link.Receive(buffer, sizeof buffer, 100), 0u);
}

}  // namespace
}  // namespace ruzi::testing
