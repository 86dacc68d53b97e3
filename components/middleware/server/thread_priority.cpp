#include "thread_priority.h"

#include <sys/resource.h>
#include <unistd.h>

namespace ruzi::mwd {

void RaiseThisThreadsPriority() {
  constexpr int kNice = -10;
  ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kNice);  // refused without the right: no harm
}

}  // namespace ruzi::mwd
