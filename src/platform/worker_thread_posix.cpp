#include <thread>

#include "platform/worker_thread.h"

namespace ruzi::platform::detail {

// Natively there is no loader lock: the thread is detached at once and the finished flag is
// all the owner ever waits for.
void* StartOsThread(WorkerThread::Context* context) {
  std::thread([context] { RunWorker(context); }).detach();
  return nullptr;
}

void StopUnstartedOsThread(void*) {}

void CloseOsThread(void*) {}

}  // namespace ruzi::platform::detail
