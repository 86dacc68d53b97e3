// CallService through ruzirareva's binding, wtuxws32.dll and ruzi-mwd, beside our protocol spoken
// straight over one Winsock connection in the same run (same server, same sizes, same threads):
//   mode "1" (kept connection) beside one raw round trip per call;
//   mode "2" (a connection per call) beside a raw connect, sign-on, call and close.
// Start ruzi-mwd first:  call_service_timing //127.0.0.1:<port>   (or WSNADDR)
// A second argument "per-call-16" runs only the row of a connection per call, 16 threads, 100 B
// (tools/exit-hang-loop.sh runs it again and again).
#include <windows.h>

#include <atomic>
#include <memory>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "frame_channel.h"
#include "latency_figures.h"
#include "library_units.h"
#include "library/unit_registry.h"
#include "server_argument.h"
#include "service/call_service.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"

namespace {

using ruzi::bench::LatencyFigures;
namespace mw = ruzi::mw;

// Latencies and busy time gathered over several rounds.
struct RunFigures {
  std::vector<double> times_us;
  double seconds = 0;
  bool ok = true;

  double CallsPerSecond() const { return seconds > 0 ? static_cast<double>(times_us.size()) / seconds : 0; }
};

std::string Request(size_t size) {
  std::string text = "<vc_data>";
  while (text.size() + 10 < size) text += static_cast<char>('0' + text.size() % 10);
  return text + "</vc_data>";
}

// Adds `per_thread` timed calls on each of `threads` threads to `figures`.
template <typename MakeCaller>
void RunThreads(int threads, int per_thread, MakeCaller make_caller, RunFigures& figures) {
  std::mutex lock;
  std::atomic<bool> ok{true};
  const auto start = std::chrono::steady_clock::now();
  std::vector<std::thread> workers;
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&] {
      auto call = make_caller();
      std::vector<double> times;
      for (int i = 0; i < per_thread; ++i) {
        if (!ruzi::bench::TimeCall(times, call)) ok = false;
      }
      std::lock_guard guard(lock);
      figures.times_us.insert(figures.times_us.end(), times.begin(), times.end());
    });
  }
  for (auto& worker : workers) worker.join();
  figures.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!ok) figures.ok = false;
}

// Ours and the reference take turns, round by round and each going first half the time, so
// a load that comes and goes on the machine falls on both alike.
template <typename Ours, typename Raw>
void Alternate(int rounds, int threads, int per_thread, Ours ours_caller, Raw raw_caller, RunFigures& ours,
               RunFigures& raw) {
  RunFigures warm_up;
  RunThreads(threads, 2, ours_caller, warm_up);
  RunThreads(threads, 2, raw_caller, warm_up);
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) RunThreads(threads, per_thread, ours_caller, ours);
    RunThreads(threads, per_thread, raw_caller, raw);
    if (round % 2 != 0) RunThreads(threads, per_thread, ours_caller, ours);
  }
}

// Our protocol by hand: sign on (when asked) and call demo_echo; true when the answer came.
bool RawSignOn(mw::FrameChannel& channel, uint32_t& sequence) {
  mw::SignOnRequest sign_on{"timing", "127.0.0.1", "", 32};
  return channel.Send(sign_on, ++sequence, 5000) && channel.Receive(5000).has_value();
}

bool RawCall(mw::FrameChannel& channel, uint32_t& sequence, const std::string& request) {
  mw::CallRequest call;
  call.service = "demo_echo";
  call.buffer_type = "STRING";
  call.timeout_ms = 30000;
  call.data = request + '\0';
  if (!channel.Send(call, ++sequence, 30000)) return false;
  auto answer = channel.Receive(30000);
  return answer && std::holds_alternative<mw::CallReply>(answer->message);
}

void Print(const char* mode, size_t size, int threads, RunFigures& ours, RunFigures& raw) {
  const LatencyFigures mine = ruzi::bench::Summarise(ours.times_us);
  const LatencyFigures reference = ruzi::bench::Summarise(raw.times_us);
  std::printf("%-4s %6zu B %3d thr | ours %8.0f calls/s median %8.1f us p99 %8.1f us | raw %8.0f calls/s median %8.1f us "
              "p99 %8.1f us | median ratio %.2f%s\n",
              mode, size, threads, ours.CallsPerSecond(), mine.median_us, mine.p99_us, raw.CallsPerSecond(),
              reference.median_us, reference.p99_us, mine.median_us / reference.median_us,
              ours.ok && raw.ok ? "" : "  (some calls failed)");
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  ruzi::bench::ServerArgument target;
  if (!ruzi::bench::ReadServerArgument(argc, argv, "call_service_timing", target)) return 2;
  if (!ruzi::bench::StartLibraryUnits()) return 1;

  constexpr int kRounds = 8;
  const bool per_call_16_only = argc > 2 && std::string(argv[2]) == "per-call-16";
  for (size_t size : {size_t{100}, size_t{65536}}) {
    if (per_call_16_only && size != 100) continue;
    const std::string request = Request(size);
    // Like the reference's channel, a thread's kept connection is opened before its timed
    // calls (by one call untimed) and closed when the thread is done.
    auto ours_caller = [&request] {
      auto call = [&request] {
        std::string output;
        return ruzi::CallService("demo_echo", request, output) == 0;
      };
      call();
      std::shared_ptr<void> sign_off(nullptr, [](void*) { ruzi::tpterm(); });
      return [call, sign_off] { return call(); };
    };
    for (int threads : {1, 4, 16}) {
      if (per_call_16_only && threads != 16) continue;
      // Rounds long enough that a burst of other load on the machine does not decide a row.
      const int per_thread = 40;
      if (!per_call_16_only) {
        // Mode "1": one kept connection per thread.
        ruzi::SetTuxedoConnType("1");
        RunFigures ours, raw;
        Alternate(kRounds, threads, per_thread, ours_caller, [&] {
          auto channel = std::make_shared<mw::FrameChannel>();
          auto sequence = std::make_shared<uint32_t>(0);
          bool open = channel->Open(target.host, target.port, 5000) && RawSignOn(*channel, *sequence);
          return [channel, sequence, open, &request] { return open && RawCall(*channel, *sequence, request); };
        }, ours, raw);
        Print("\"1\"", size, threads, ours, raw);
      }

      // Mode "2": a connection per call.
      ruzi::SetTuxedoConnType("2");
      RunFigures ours_per_call, raw_per_call;
      Alternate(kRounds, threads, per_thread / 2, ours_caller, [&] {
        return [&target, &request] {
          mw::FrameChannel channel;
          uint32_t sequence = 0;
          bool ok = channel.Open(target.host, target.port, 5000) && RawSignOn(channel, sequence) &&
                    RawCall(channel, sequence, request);
          channel.Close();
          return ok;
        };
      }, ours_per_call, raw_per_call);
      Print("\"2\"", size, threads, ours_per_call, raw_per_call);
    }
  }
  ruzi::UnitRegistry::Instance().ShutdownAll();
  return 0;
}
