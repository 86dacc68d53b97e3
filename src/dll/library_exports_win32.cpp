// The library-wide exports: version, explicit shutdown, the reason of a failed start.
#include <windows.h>

#include <cstring>
#include <string>

#include "library/start_error_record.h"
#include "library/unit_registry.h"
#include "library/version.h"

extern "C" {

__declspec(dllexport) const char* __stdcall RuziVersion() { return ruzi::LibraryVersion(); }

// Stops every background thread (draining what they still hold) before the host unloads us.
__declspec(dllexport) void __stdcall RuziShutdown() { ruzi::UnitRegistry::Instance().ShutdownAll(); }

// Copies the last start failure into buffer (NUL-terminated, truncated to size); returns the
// full length, so a caller can size its buffer. 0 when no start ever failed.
__declspec(dllexport) int __stdcall GetLastStartError(char* buffer, int size) {
  std::string text = ruzi::LastStartErrorText();
  if (buffer != nullptr && size > 0) {
    size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int>(text.size());
}

}
