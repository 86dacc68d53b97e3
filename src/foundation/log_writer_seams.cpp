#include "foundation/log_writer_seams.h"

#include "platform/ini_file.h"
#include "platform/paths.h"

namespace ruzi {

LogWriterSeams LogWriterSeams::System() {
  LogWriterSeams seams;
  seams.clock = &platform::SystemClock();
  seams.files = &platform::SystemFileSystem();
  seams.read_ini_integer = [](const std::string& file, const std::string& section, const std::string& key,
                              int fallback) { return platform::ReadIniInteger(file, section, key, fallback); };
  seams.sleep = [](uint32_t milliseconds) { platform::SleepMilliseconds(milliseconds); };
  seams.executable_path = platform::ExecutablePath();
  return seams;
}

}  // namespace ruzi
