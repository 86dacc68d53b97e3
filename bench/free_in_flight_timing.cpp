// A careless host: it loads ruzirareva.dll, sets 16 threads making service calls (a connection
// per call, through wtuxws32.dll and ruzi-mwd), frees the library while those calls are in
// flight and returns from main with the threads still calling, so the process exit ends them
// wherever they are. Neither the FreeLibrary nor the exit may hang (run it under a time limit;
// tools/exit-hang-loop.sh runs it again and again). Prints how long the FreeLibrary took.
// Start ruzi-mwd first:  free_in_flight_timing //127.0.0.1:<port>   (or WSNADDR)
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "library_units.h"
#include "server_argument.h"
#include "service/call_service.h"
#include "service/tuxedo_connection.h"

namespace {

// Outside main's frame: the threads still count while the process exits.
std::atomic<int> calls{0};
std::atomic<int> failures{0};

}  // namespace

int main(int argc, char** argv) {
  ruzi::bench::ServerArgument target;
  if (!ruzi::bench::ReadServerArgument(argc, argv, "free_in_flight_timing", target)) return 2;
  if (!ruzi::bench::StartLibraryUnits()) return 1;
  ruzi::SetTuxedoConnType("2");
  HMODULE library = LoadLibraryA("ruzirareva.dll");
  if (library == nullptr) {
    std::fprintf(stderr, "ruzirareva.dll did not load (error %lu)\n", GetLastError());
    return 1;
  }
  for (int t = 0; t < 16; ++t) {
    std::thread([] {
      for (;;) {
        std::string output;
        if (ruzi::CallService("demo_echo", "<a>1</a>", output) != 0) ++failures;
        ++calls;
      }
    }).detach();
  }
  while (calls < 32) Sleep(1);
  const auto start = std::chrono::steady_clock::now();
  const BOOL freed = FreeLibrary(library);
  const double took_ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const int calls_before = calls;
  while (calls < calls_before + 32) Sleep(1);  // the calls go on without the library
  std::printf("FreeLibrary with 16 threads in calls: %.2f ms (%s); %d calls, %d failed; exiting with calls in flight\n",
              took_ms, freed ? "freed" : "failed", calls.load(), failures.load());
  std::fflush(stdout);
  return freed && failures == 0 ? 0 : 1;
}
