#pragma once
// Winsock is started once per process, on first use (never from DllMain), and never shut
// down: other modules of the process may hold sockets until it exits.
namespace ruzi::mw {

// True when Winsock 2.2 is available; the WSA error code of the failed start otherwise in
// `error` (when given).
bool EnsureWinsock(int* error = nullptr);

}  // namespace ruzi::mw
