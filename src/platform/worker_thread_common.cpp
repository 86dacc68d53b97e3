#include <atomic>

#include "platform/clock.h"
#include "platform/worker_thread.h"

namespace ruzi::platform {

namespace {
enum State : int { kNew, kRunning, kFinished, kCancelled, kOrphaned };
}

// Shared by the owner and the thread; whoever is last to need it deletes it, decided by one
// compare-and-swap on each side so neither touches it after the other may have freed it.
struct WorkerThread::Context {
  std::function<void()> body;
  std::atomic<int> state{kNew};
};

namespace detail {

void RunWorker(WorkerThread::Context* context) {
  int expected = kNew;
  if (!context->state.compare_exchange_strong(expected, kRunning)) {
    delete context;  // cancelled before it began
    return;
  }
  context->body();
  context->body = nullptr;  // captured state goes before the flag says we are done
  expected = kRunning;
  if (!context->state.compare_exchange_strong(expected, kFinished)) delete context;  // orphaned
  // Nothing of ours may run after the flag is set: the owner may unload the code next.
}

}  // namespace detail

WorkerThread::WorkerThread(std::function<void()> body) : context_(new Context{std::move(body)}) {
  try {
    handle_ = detail::StartOsThread(context_);
  } catch (...) {
    delete context_;
    throw;
  }
}

WorkerThread::~WorkerThread() { Release(false); }

bool WorkerThread::Finished() const {
  return context_ == nullptr || context_->state.load() == kFinished;
}

bool WorkerThread::Started() const {
  return context_ == nullptr || context_->state.load() != kNew;
}

bool WorkerThread::WaitFinished(uint32_t milliseconds) const {
  for (uint32_t waited = 0; !Finished(); ++waited) {
    if (waited >= milliseconds) return false;
    SleepMilliseconds(1);
  }
  return true;
}

void WorkerThread::Join() const {
  while (!Finished()) SleepMilliseconds(1);
}

void WorkerThread::Release(bool under_loader_lock) {
  if (context_ == nullptr) return;
  int state = kNew;
  if (context_->state.compare_exchange_strong(state, kCancelled)) {
    if (under_loader_lock) detail::StopUnstartedOsThread(handle_);  // its block leaks, by design
  } else if (state == kRunning && context_->state.compare_exchange_strong(state, kOrphaned)) {
    // The thread frees the context when its body returns.
  } else {
    delete context_;  // finished
  }
  detail::CloseOsThread(handle_);
  context_ = nullptr;
  handle_ = nullptr;
}

}  // namespace ruzi::platform
