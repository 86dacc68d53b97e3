// Sign-on failures and lost connections, against private servers this test starts, stops,
// freezes and kills. The error texts must let the connection start tell network failures
// ("-5", "-9", "-17", "-20", "超时") from a refused sign-on.
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
#include "test_paths.h"

namespace ruzi::testing {
namespace {

using Clock = std::chrono::steady_clock;

bool HasNetworkMarker(const std::string& text) {
  for (const char* marker : {"-5", "-17", "-9", "-20", "超时"}) {
    if (text.find(marker) != std::string::npos) return true;
  }
  return false;
}

std::string LastErrorText() { return Client().tpstrerror(Client().gettperrno()); }

class ClientConnection : public ::testing::Test {
 protected:
  void TearDown() override {
    Client().tpterm();
    platform::UnsetEnvironment("WSNADDR");
  }
  const ClientEntries& c = Client();
};

TEST_F(ClientConnection, RefusedPasswordIsNotANetworkFailure) {
  const std::string users = FreshTestFolder("wsclient-users") + "users";
  std::ofstream(users) << "operator wsclient secret\n";
  PrivateServer server("password", {"--credentials", UnixPath(users)});
  platform::SetEnvironment("WSNADDR", server.Address());
  EXPECT_EQ(SignOn(32, "user-at-offset-0", "wrong"), -1);
  EXPECT_EQ(c.gettperrno(), 8);
  // The server names the refused user: the record's first field went out as the user.
  EXPECT_NE(server.LogText().find("sign-on refused for user-at-offset-0\n"), std::string::npos) << server.LogText();
  EXPECT_FALSE(HasNetworkMarker(LastErrorText())) << LastErrorText();
  EXPECT_EQ(c.getconnectstate(), 0);
  EXPECT_EQ(SignOn(32, "wsclient", "secret"), 0) << LastErrorText();
  EXPECT_EQ(c.getconnectstate(), 1);
}

TEST_F(ClientConnection, EachAddressProblemCarriesItsMarker) {
  uint16_t dead_port = 0;
  {
    PrivateServer server("refused");
    dead_port = server.Port();
    server.Kill();
  }
  const std::string dead = "//127.0.0.1:" + std::to_string(dead_port);
  // No address, one that is no address, one no name service knows, one nobody listens on.
  const std::pair<std::string, const char*> problems[] = {
      {"", "-5"}, {"//127.0.0.1:notaport", "-5"}, {"//no.such.host.invalid:7000", "-20"}, {dead, "-17"}};
  for (const auto& [address, marker] : problems) {
    if (address.empty()) platform::UnsetEnvironment("WSNADDR");
    else platform::SetEnvironment("WSNADDR", address);
    EXPECT_EQ(SignOn(), -1) << marker;
    EXPECT_EQ(c.gettperrno(), 12) << marker;
    EXPECT_NE(LastErrorText().find(marker), std::string::npos) << LastErrorText();
  }

  // A list: the dead address is passed over for the live one.
  platform::SetEnvironment("WSNADDR", dead + "," + FixtureAddress());
  EXPECT_EQ(SignOn(), 0) << LastErrorText();
  // An explicit address needs no WSNADDR.
  c.tpterm();
  platform::SetEnvironment("WSNADDR", dead);
  EXPECT_EQ(c.tpinitex(nullptr, FixtureAddress().c_str()), 0) << LastErrorText();
  EXPECT_EQ(CallText("demo_echo", "<x>tpinitex</x>").status, 0);
}

// A kill during a call ends it at once; later calls fail alike until a new sign-on, which the
// dead address refuses.
TEST_F(ClientConnection, KilledServerEndsTheCallAndGivesNumberTwelveUntilSignedOnAgain) {
  PrivateServer server("killed");
  platform::SetEnvironment("WSNADDR", server.Address());
  ASSERT_EQ(SignOn(), 0) << LastErrorText();
  ASSERT_EQ(CallText("demo_echo", "<x>before</x>").status, 0);
  auto start = Clock::now();
  std::thread killer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    server.Kill();
  });
  TextCall lost = CallText("demo_slow", "<ms>20000</ms>", 30000, 1);
  killer.join();
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count(), 10000);
  EXPECT_EQ(lost.status, -1);
  EXPECT_EQ(lost.error_number, 12);
  EXPECT_NE(lost.error_text.find("-9"), std::string::npos) << lost.error_text;
  EXPECT_EQ(c.getconnectstate(), 0);
  EXPECT_EQ(CallText("demo_echo", "<x>again</x>").error_number, 12);
  EXPECT_EQ(c.tpterm(), 0);
  EXPECT_EQ(SignOn(), -1);
  EXPECT_NE(LastErrorText().find("-17"), std::string::npos) << LastErrorText();
}

TEST_F(ClientConnection, LateReplyOfATimedOutCallIsDropped) {
  PrivateServer server("late-reply");
  platform::SetEnvironment("WSNADDR", server.Address());
  ASSERT_EQ(SignOn(), 0) << LastErrorText();
  // A frozen server cannot answer its own time-out: the client's bound ends the wait.
  server.Freeze();
  auto start = Clock::now();
  TextCall late = CallText("demo_echo", "<m>late</m>", 300, 1);
  auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
  server.Thaw();
  EXPECT_EQ(late.error_number, 13);
  EXPECT_NE(late.error_text.find("超时"), std::string::npos) << late.error_text;
  EXPECT_GE(waited, 300);
  EXPECT_LT(waited, 5000);
  // The server now answers the old call, then the new one: only the new answer counts.
  TextCall fresh = CallText("demo_echo", "<m>fresh</m>");
  ASSERT_EQ(fresh.status, 0) << fresh.error_text;
  EXPECT_NE(fresh.reply.find("fresh"), std::string::npos) << fresh.reply;
  EXPECT_EQ(fresh.reply.find("late"), std::string::npos) << fresh.reply;
}

}  // namespace
}  // namespace ruzi::testing
