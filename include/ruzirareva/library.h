#pragma once
// The library as a whole: its version, the start of its units, and the shutdown a host calls
// before it unloads the library or exits. Loading ruzirareva.dll starts every unit; a host
// linked with the static core (the native tools) calls RuziStart itself. Call RuziShutdown
// once, from one thread, when no other thread uses the library any more.
#include "ruzirareva/export.h"

extern "C" {

// "major.minor.patch" of this build.
RUZI_API const char* RuziVersion();
// Runs the start steps of the units that have not started yet. Returns 1 when every unit has
// started, 0 when one failed (GetLastStartError gives the reason).
RUZI_API int RuziStart();
// Stops every background thread, writing out what the log writers still hold.
RUZI_API void RuziShutdown();
// Copies the last start failure into buffer (NUL-terminated, truncated to size) and returns
// its full length, so a caller can size its buffer; 0 when no start ever failed.
RUZI_API int GetLastStartError(char* buffer, int size);

}
