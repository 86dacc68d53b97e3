#include "platform/large_pages.h"

namespace ruzi::platform {

// Large pages under Windows need the lock-memory privilege and memory of their own: not asked.
void AdviseLargePages(void*, std::size_t) {}

}  // namespace ruzi::platform
