#pragma once
// How ruzi-mwd runs as a background server for tests and scripts: --detach returns once
// the server listens (its port already in the port file), --stop ends the server named by
// a pid file and waits until it is gone.
#include <cstdint>
#include <string>

namespace ruzi::mwd {

// Forks. The child's standard error is appended to `error_file` (start failures land
// there before the server's own log exists). In the parent: waits until the child reports ready (exit code 0) or dies (1), and
// returns that code. In the child: returns -1 and the caller goes on to start the server.
int DetachAndWaitReady(const std::string& error_file);
// The child's report to the waiting parent; does nothing without --detach.
void ReportReady();

// Ends the process named in the pid file with SIGTERM, waits up to `wait_ms` for it to go.
// 0: gone (or was not running); 1: still there.
int StopServer(const std::string& pid_file, uint32_t wait_ms);
// Stops a server left running by an earlier run with the same pid file, if any.
void StopLeftover(const std::string& pid_file);

// Written to a temporary name and renamed, so a reader never sees half a number.
void WriteNumberFile(const std::string& path, long value);

}  // namespace ruzi::mwd
