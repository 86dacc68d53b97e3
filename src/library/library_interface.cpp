#include "ruzirareva/library.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "library/start_error_record.h"
#include "library/unit_registry.h"
#include "library/version.h"

extern "C" {

const char* RuziVersion() { return ruzi::LibraryVersion(); }

int RuziStart() {
  if (ruzi::UnitRegistry::Instance().StartAll()) return 1;
  ruzi::RecordStartError(ruzi::UnitRegistry::Instance().LastStartError());
  return 0;
}

void RuziShutdown() { ruzi::UnitRegistry::Instance().ShutdownAll(); }

int GetLastStartError(char* buffer, int size) {
  std::string text = ruzi::LastStartErrorText();
  if (buffer != nullptr && size > 0) {
    size_t count = std::min(text.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
  }
  return static_cast<int>(text.size());
}

}
