#pragma once
// The library's units for one command: started (a no-op in ruzi.exe, where loading the DLL
// started them) and shut down again when the command ends, whichever way it ends.
#include <stdexcept>
#include <string>

#include "ruzirareva/library.h"

namespace ruzi::cli {

class LibrarySession {
 public:
  LibrarySession() {
    if (RuziStart() == 0) {
      std::string reason(static_cast<size_t>(GetLastStartError(nullptr, 0)) + 1, '\0');
      reason.resize(static_cast<size_t>(GetLastStartError(reason.data(), static_cast<int>(reason.size()))));
      throw std::runtime_error(reason);
    }
  }
  ~LibrarySession() { RuziShutdown(); }
  LibrarySession(const LibrarySession&) = delete;
  LibrarySession& operator=(const LibrarySession&) = delete;
};

}  // namespace ruzi::cli
