// A careless host: it loads ruzirareva.dll, sets 16 threads making service calls (a connection
// per call, through wtuxws32.dll and ruzi-mwd) and frees the library while those calls are in
// flight. Then, by default, it returns from main with the threads still calling, so the process
// exit ends them wherever they are; with "join" it stops and joins them first. Neither the
// FreeLibrary nor the exit may hang (run it under a time limit; tools/exit-hang-loop.sh runs it
// again and again). Prints how long the FreeLibrary took.
// Start ruzi-mwd first:  free_in_flight_timing [//127.0.0.1:<port>] [join]   (or WSNADDR)
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "library_units.h"
#include "server_argument.h"
#include "service/call_service.h"
#include "service/tuxedo_connection.h"

namespace {

// Outside main's frame: without "join" the threads still count while the process exits.
std::atomic<int> calls{0};
std::atomic<int> failures{0};
std::atomic<bool> stop{false};

}  // namespace

int main(int argc, char** argv) {
  const bool join = argc > 1 && std::string(argv[argc - 1]) == "join";
  if (join) --argc;  // the address may come from WSNADDR
  ruzi::bench::ServerArgument target;
  if (!ruzi::bench::ReadServerArgument(argc, argv, "free_in_flight_timing", target)) return 2;
  if (!ruzi::bench::StartLibraryUnits()) return 1;
  ruzi::SetTuxedoConnType("2");
  HMODULE library = LoadLibraryA("ruzirareva.dll");
  if (library == nullptr) {
    std::fprintf(stderr, "ruzirareva.dll did not load (error %lu)\n", GetLastError());
    return 1;
  }
  std::vector<std::thread> threads;
  for (int t = 0; t < 16; ++t) {
    threads.emplace_back([] {
      while (!stop) {
        std::string output;
        if (ruzi::CallService("demo_echo", "<a>1</a>", output) != 0) ++failures;
        ++calls;
      }
    });
  }
  while (calls < 32) Sleep(1);
  const auto start = std::chrono::steady_clock::now();
  const BOOL freed = FreeLibrary(library);
  const double took_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const int calls_before = calls;
  while (calls < calls_before + 32) Sleep(1);  // the calls go on without the library
  std::printf("FreeLibrary with 16 threads in calls: %.2f ms (%s); %d calls, %d failed; %s\n", took_ms,
              freed ? "freed" : "failed", calls.load(), failures.load(),
              join ? "joining the threads" : "exiting with calls in flight");
  std::fflush(stdout);
  if (join) {
    stop = true;
    for (std::thread& thread : threads) thread.join();
  } else {
    for (std::thread& thread : threads) thread.detach();
  }
  return freed && failures == 0 ? 0 : 1;
}
