#include <unistd.h>

#include "platform/ascii_case.h"
#include "platform/computer_name.h"

namespace ruzi::platform {

std::string ComputerName() {
  char buffer[256] = {};
  if (gethostname(buffer, sizeof buffer - 1) != 0) return "";
  // Windows reports the name upper-cased and without the domain part.
  std::string name(buffer);
  name = name.substr(0, name.find('.'));
  for (char& c : name) c = AsciiUpper(c);
  return name;
}

}  // namespace ruzi::platform
