#include "foundation/system_queries.h"

#include "foundation/format.h"
#include "platform/computer_name.h"
#include "platform/last_error.h"
#include "platform/win32_error.h"

namespace ruzi {

std::string GetWinErrMsg() {
  const uint32_t error = platform::LastSystemError();
  return Format("%d:%s", {error, platform::Win32ErrorText(error)});
}

std::string GetComputerName() {
  constexpr size_t kBufferSize = 30;
  std::string name = platform::ComputerName();
  return name.size() < kBufferSize ? name : std::string();
}

}  // namespace ruzi
