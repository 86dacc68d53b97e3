#pragma once
// What the log writer takes from the outside world, so tests can run it on a fake clock, a
// fake file system and fake configuration reads. The product uses System().
#include <cstdint>
#include <functional>
#include <string>

#include "platform/clock.h"
#include "platform/file_system.h"

namespace ruzi {

struct LogWriterSeams {
  using IniIntegerReader =
      std::function<int(const std::string& file, const std::string& section, const std::string& key, int fallback)>;

  platform::Clock* clock = nullptr;
  platform::FileSystem* files = nullptr;
  IniIntegerReader read_ini_integer;
  // The pause after a line that could not be formatted.
  std::function<void(uint32_t milliseconds)> sleep;
  // Decides the default configuration file and log folder.
  std::string executable_path;
  // Off in tests that drive the passes by hand (RunPasses).
  bool start_threads = true;

  static LogWriterSeams System();
};

}  // namespace ruzi
