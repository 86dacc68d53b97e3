// ruzi-mwd: our transaction middleware server.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "process_control.h"
#include "server.h"

namespace {

ruzi::mwd::Server* g_server = nullptr;

void OnStopSignal(int) {
  if (g_server != nullptr) g_server->Stop();
}

int Serve(const ruzi::mwd::ServerOptions& options) {
  ruzi::mwd::Server server(options);
  if (!options.pid_file.empty()) ruzi::mwd::WriteNumberFile(options.pid_file, static_cast<long>(::getpid()));
  if (!options.port_file.empty()) ruzi::mwd::WriteNumberFile(options.port_file, server.Port());
  g_server = &server;
  struct sigaction action {};
  action.sa_handler = OnStopSignal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
  ruzi::mwd::ReportReady();
  if (options.port_file.empty()) std::printf("ruzi-mwd listening on port %u\n", server.Port());
  std::fflush(stdout);
  server.Run();
  g_server = nullptr;
  if (!options.pid_file.empty()) std::filesystem::remove(options.pid_file);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  ::signal(SIGPIPE, SIG_IGN);
  // The database, its journal, the log and the pid and port files hold what clients sent:
  // readable by the server's own user alone.
  ::umask(0077);
  ruzi::mwd::ServerOptions options;
  if (argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h")) {
    std::printf("%s", ruzi::mwd::ServerUsage());
    return 0;
  }
  try {
    options = ruzi::mwd::ParseServerOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const std::invalid_argument& error) {
    std::fprintf(stderr, "ruzi-mwd: %s\nusage:\n%s", error.what(), ruzi::mwd::ServerUsage());
    return 2;
  }
  try {
    if (options.stop) {
      int still = ruzi::mwd::StopServer(options.pid_file, options.stop_wait_ms);
      if (still != 0) {
        std::fprintf(stderr, "ruzi-mwd: the server is still running after %u ms (storing its audit trail?)\n",
                     options.stop_wait_ms);
      }
      return still;
    }
    if (!options.pid_file.empty()) ruzi::mwd::StopLeftover(options.pid_file);
    if (options.detach) {
      std::string directory = ruzi::mwd::ServerLogDirectory(options);
      std::filesystem::create_directories(directory);
      int parent = ruzi::mwd::DetachAndWaitReady((std::filesystem::path(directory) / "ruzi-mwd.log").string());
      if (parent >= 0) {
        if (parent != 0) std::fprintf(stderr, "ruzi-mwd: the server did not start (see its log)\n");
        return parent;
      }
    }
    return Serve(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ruzi-mwd: %s\n", error.what());
    return 1;
  }
}
