#include <sys/syscall.h>
#include <unistd.h>

#include "platform/process_ids.h"

namespace ruzi::platform {

uint32_t CurrentProcessId() { return static_cast<uint32_t>(getpid()); }

uint32_t CurrentThreadId() {
  thread_local const uint32_t id = static_cast<uint32_t>(syscall(SYS_gettid));
  return id;
}

}  // namespace ruzi::platform
