// ruzi-mwd run as a site would and as a hostile peer on loopback would: roles and sign-on
// back-off, peers that never sign on, deadlines kept during the work, answers within the frame
// limit, an audit trail within its limits, secrets kept out of storage and logs.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>

#include "audit_reader.h"
#include "call_answers.h"
#include "credentials.h"
#include "error_numbers.h"
#include "mwd_process.h"
#include "packets/tagged_package.h"
#include "test_paths.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

bool SignedOn(const std::optional<mw::Message>& answer) {
  return answer && std::holds_alternative<mw::SignOnReply>(*answer);
}

std::string Item(const std::string& reply, const char* name) {
  std::string value;
  TqxPackage(reply).GetItem(name, value);
  return value;
}

// Each case writes its credentials file ("default": none at all) and signs one user on.
TEST(MiddlewareServerLimits, CredentialsGiveEachSignOnItsRole) {
  const std::string file = FreshTestFolder("mwd-credentials") + "users";
  CheckAnswers("mw_credentials.txt", {{"role", [&](const VectorCase& a) -> std::string {
                 std::ofstream(file) << a[0];
                 try {
                   const auto credentials = a[0] == "default" ? mwd::Credentials::Default() : mwd::Credentials::FromFile(file);
                   const mwd::Role role = credentials.Check(a[1], a[2]);
                   return role == mwd::Role::Administrator ? "administrator" : role == mwd::Role::Operator ? "operator" : "none";
                 } catch (const std::runtime_error& error) {
                   return "refused at" + std::string(error.what()).substr(file.size());  // after the file's name
                 }
               }}});
}

TEST(MiddlewareServerLimits, FailedSignOnsBackOffPerAddressAndCannotForgeLogLines) {
  MwdProcess server("backoff", SiteUsers("backoff"));
  mwd::NativeClient guesser("127.0.0.1", server.Port());
  const std::string forged = "x\n2026-01-01 00:00:00.000 [1] forged";
  auto started = steady_clock::now();
  for (int i = 0; i < 3; ++i) {
    mw::ErrorReply refused = ErrorOf(guesser.SignOn(forged, "guess"));
    EXPECT_EQ(refused.error_number, mw::kMwPermission);
    EXPECT_EQ(refused.text.find("-5"), std::string::npos);  // nothing the client would take for a network fault
  }
  EXPECT_GE(steady_clock::now() - started, milliseconds(100 + 200 + 400));
  // While the fourth guess waits, even the right password from the same address is refused.
  ASSERT_TRUE(guesser.Send(mw::SignOnRequest{"root", "c", "guess", 0}, 99));
  std::this_thread::sleep_for(milliseconds(100));
  mwd::NativeClient owner("127.0.0.1", server.Port());
  EXPECT_EQ(ErrorOf(owner.SignOn("root", "r00t")).error_number, mw::kMwPermission);
  EXPECT_EQ(ErrorOf(guesser.Receive(5000)).error_number, mw::kMwPermission);
  EXPECT_TRUE(SignedOn(owner.SignOn("root", "r00t")));
  std::string log = server.LogText();
  EXPECT_EQ(log.find("\n2026-01-01"), std::string::npos);
  EXPECT_NE(log.find("(127.0.0.1:"), std::string::npos);  // the peer is named
  EXPECT_NE(log.find("x\\x0A2026-01-01"), std::string::npos);
}

// A raw connection from another loopback address, which never signs on.
int ConnectFrom(const char* source, uint16_t port) {
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in from{};
  from.sin_family = AF_INET;
  ::inet_pton(AF_INET, source, &from.sin_addr);
  ::bind(fd, reinterpret_cast<sockaddr*>(&from), sizeof from);
  sockaddr_in to{};
  to.sin_family = AF_INET;
  to.sin_port = htons(port);
  ::inet_pton(AF_INET, "127.0.0.1", &to.sin_addr);
  ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
  return fd;
}

TEST(MiddlewareServerLimits, PeersThatNeverSignOnAreCappedAndCut) {
  MwdProcess server("unsigned", {"--max-connections", "24", "--max-peer-connections", "16",
                                 "--sign-on-timeout-ms", "400"});
  std::vector<mwd::UniqueFd> idle;
  for (int i = 0; i < 20; ++i) idle.emplace_back(ConnectFrom("127.0.0.2", server.Port()));
  // The other address still gets in: the crowd holds only its own 16.
  EXPECT_NO_THROW(SignedOnClient(server.Port(), "real"));
  auto started = steady_clock::now();
  char byte;
  EXPECT_EQ(::recv(idle[0].Get(), &byte, 1, 0), 0);  // closed without a word at the sign-on deadline
  EXPECT_LT(steady_clock::now() - started, milliseconds(3000));
}

TEST(MiddlewareServerLimits, DeadlinesAndHangUpsEndTheWorkNotJustTheAnswer) {
  MwdProcess server("deadlines", {"--max-calls", "8"});
  mwd::NativeClient client = SignedOnClient(server.Port(), "u");
  auto started = steady_clock::now();
  EXPECT_EQ(ErrorOf(client.Call("demo_slow", "<ms>9223372036854775807</ms>", 300)).error_number, mw::kMwTime);
  EXPECT_LT(steady_clock::now() - started, milliseconds(3000));
  // Callers that hang up free their calls: the cap is not held by nobody.
  for (int i = 0; i < 8; ++i) {
    mwd::NativeClient gone = SignedOnClient(server.Port(), "gone");
    ASSERT_TRUE(SendSlowCall(gone, 60000, 1));
  }
  std::this_thread::sleep_for(milliseconds(500));
  EXPECT_EQ(ReplyOf(client.Call("demo_echo", "free")).data, "<ErrCode>0</ErrCode><ErrMsg></ErrMsg><Request>free</Request>");
}

TEST(MiddlewareServerLimits, AnswersStayWithinTheFrameLimitOrSaySo) {
  MwdProcess server("frame", {"--max-frame", "65536"});
  mwd::NativeClient client = AdministratorClient(server.Port());
  for (const char* number : {"61057", "61302"}) {
    std::string set = "<l_serial_no>" + std::string(number) + "</l_serial_no><vc_value>" + std::string(40000, 'v') +
                      "</vc_value>";
    ReplyOf(client.Call("svc_sysprmop_rc", set));
  }
  // The parameter cache cannot load: a failure, never an empty table.
  EXPECT_EQ(ErrorOf(client.Call("svc_mem_sysparameter", "")).error_number, mw::kMwLimit);
  // The audit pages: each answer fits, and a reader moves on row by row.
  std::string after = "0";
  int pages = 0;
  for (std::string more = "1"; more == "1" && pages < 20; ++pages) {
    std::string reply = ReplyOf(client.Call("mw_audit", "<l_limit>10000</l_limit><l_after_id>" + after + "</l_after_id>")).data;
    ASSERT_FALSE(reply.empty());
    more = Item(reply, "l_more");
    EXPECT_GT(std::stoll(Item(reply, "l_last_id")), std::stoll(after));
    after = Item(reply, "l_last_id");
  }
  EXPECT_GE(pages, 2);
  EXPECT_LT(pages, 20);
}

// 60,000 rows of 4 KB, none holding the marker, so the read looks at every one: meanwhile the
// other services answer as ever. Read under one hold of the database, the read stopped them
// for its whole length: one call would then wait for most of it, and hardly two would end.
// (Held apart by half the read, not less: a loaded machine stalls a single call now and then.)
TEST(MiddlewareServerLimits, ReadingTheAuditHoldsNoOtherServiceUp) {
  MwdProcess server("audit-read");
  ASSERT_EQ(server.SignalAndWait(SIGTERM), 0);
  ASSERT_EQ(Execute(server.Database(),
                    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 60000) INSERT INTO mw_audit "
                    "(at, started_us, ended_us, session, kind, service, number, route, buffer_type, request, request_length, "
                    "status) SELECT '', CAST((julianday('now') - 2440587.5) * 86400e6 AS INTEGER), 0, 1, 'name', "
                    "'demo_echo', 0, '', 'STRING', zeroblob(4096), 4096, 0 FROM n"), "");
  server.Restart();
  mwd::NativeClient admin = AdministratorClient(server.Port());
  mwd::NativeClient other = SignedOnClient(server.Port(), "other");
  std::atomic<bool> reading{true};
  std::string reply;
  auto started = steady_clock::now();
  std::thread reader([&] {
    reply = ReplyOf(admin.Call("mw_audit", "<vc_marker>absent</vc_marker><l_limit>10000</l_limit>")).data;
    reading = false;
  });
  auto longest = steady_clock::duration::zero();
  int answered = 0;
  while (reading) {
    auto asked = steady_clock::now();
    ReplyOf(other.Call("svc_sysprmop_rc", "<l_serial_no>62409</l_serial_no>"));
    longest = std::max(longest, steady_clock::now() - asked);
    ++answered;
  }
  reader.join();
  auto read_for = steady_clock::now() - started;
  EXPECT_EQ(Item(reply, "l_count"), "0");
  EXPECT_EQ(Item(reply, "l_more"), "0");
  EXPECT_GE(answered, 4);
  EXPECT_LT(longest * 2, read_for) << "longest " << longest.count() << " ns of " << read_for.count();
}

// Four clients store requests that do not compress, in three rounds with a rest for the writer's
// look at the limits (every second) after each. The trail keeps within its limit by dropping its
// oldest rows, and the file levels off. The WAL, looked at every few milliseconds, never passes
// its limit by more than two batches of the audit queue even while the load goes on (a batch's
// rows take more room in the WAL than in the queue: whole pages, their headers, the index).
TEST(MiddlewareServerLimits, TheAuditTrailAndItsWalStayWithinTheirLimitsUnderLoad) {
  constexpr uint64_t kMb = 1u << 20;  // each limit, and the largest batch
  MwdProcess server("bounded", {"--audit-max-mb", "1", "--wal-max-mb", "1", "--audit-queue-mb", "1"});
  std::atomic<bool> loading{true};
  uint64_t largest_wal = 0;
  std::thread watcher([&] {
    for (std::error_code missing; loading; std::this_thread::sleep_for(milliseconds(5))) {
      const uint64_t size = std::filesystem::file_size(server.Database() + "-wal", missing);
      if (!missing) largest_wal = std::max(largest_wal, size);
    }
  });
  unsigned round = 0;
  auto load = [&] {
    ++round;
    OnClients(server.Port(), 4, [&](mwd::NativeClient& client, int t) {
      std::mt19937 random(round * 4 + static_cast<unsigned>(t));
      std::string request(16 * 1024, '\0');
      for (int i = 0; i < 150; ++i) {
        for (char& c : request) c = static_cast<char>(random());
        client.Call("demo_echo", request);
      }
    });
    std::this_thread::sleep_for(milliseconds(2500));
  };
  mwd::NativeClient admin = AdministratorClient(server.Port());
  auto file_bytes = [&] { return std::filesystem::file_size(server.Database()); };
  load();
  std::string stats = ReplyOf(admin.Call("mw_audit_stats", "")).data;
  EXPECT_LE(std::stoll(Item(stats, "l_used_bytes")), 2 << 20);
  EXPECT_LT(std::stoll(Item(stats, "l_rows")), 600);  // the oldest went
  EXPECT_LE(std::stoll(Item(stats, "l_wal_bytes")), 2 << 20);
  auto after_first = file_bytes();
  load();
  load();
  loading = false;
  watcher.join();
  EXPECT_LE(largest_wal, kMb + 2 * kMb);
  EXPECT_GT(largest_wal, 0u);
  // Kept whole, two more rounds would add 19.2 MB. Bounded, pages freed by pruning are reused,
  // and even a pruner slowed by a busy machine stays under one round's worth.
  EXPECT_LT(file_bytes(), after_first + 9600u * 1024u);
}

TEST(MiddlewareServerLimits, SecretsNeverReachTheDiskAndFilesAreTheServersAlone) {
  MwdProcess server("secrets");
  mwd::NativeClient client = SignedOnClient(server.Port(), "u");
  ReplyOf(client.Call("demo_echo", "<marker>m1</marker><vc_password>pw-one</vc_password>"));
  ReplyOf(client.Call("svc_syslogop_rc", "<marker>m2</marker><VC_Capital_Password>pw-two"));
  EXPECT_EQ(AuditRowsWith(server.Database(), "<marker>m", 2).size(), 2u);
  EXPECT_EQ(Column(server.Database(), "SELECT (SELECT count(*) FROM mw_audit WHERE instr(audit_request(request, "
                                      "request_compressed), 'pw-') > 0) || (SELECT count(*) FROM tsyslog WHERE instr(request, "
                                      "'pw-') > 0) || (SELECT count(*) FROM tsyslog WHERE instr(request, '******') > 0)"),
            std::vector<std::string>{"001"});  // neither password stored, the masked one logged
  for (const std::string& file : {server.Database(), server.Folder() + "ruzi-mwd.log"}) {
    struct stat info {};
    ASSERT_EQ(::stat(file.c_str(), &info), 0) << file;
    EXPECT_EQ(info.st_mode & 077, 0u) << file;
  }
}

}  // namespace
}  // namespace ruzi::testing
