#include "foundation/log_thread.h"

#include "library/unit_registry.h"

namespace ruzi {

LogThreadRelease LogThreadRelease::Current() {
  const UnitRegistry& registry = UnitRegistry::Instance();
  return {registry.ProcessExiting(), registry.Ending()};
}

LogThread::LogThread(std::shared_ptr<LogPassLoop> loop) : loop_(std::move(loop)) {}

LogThread::~LogThread() { StopAndRelease(LogThreadRelease::Current()); }

void LogThread::Start() {
  // The thread keeps its own reference: one that outlives the owner's wait still has a loop.
  thread_ = std::make_unique<platform::WorkerThread>([loop = loop_] { loop->Run(); });
}

void LogThread::DrainAndJoin() {
  loop_->Stop(true);
  if (thread_) {
    thread_->Join();
  } else {
    loop_->Run();  // never started: the caller's thread does the draining
  }
}

bool LogThread::StopAndRelease(LogThreadRelease mode) {
  loop_->Stop(false, !mode.process_exiting);
  if (!thread_) return true;
  if (!mode.process_exiting && !(mode.under_loader_lock && !thread_->Started())) {
    thread_->WaitFinished(kLogThreadStopWaitMs);
  }
  const bool finished = thread_->Finished();
  thread_->Release(mode.under_loader_lock);
  thread_.reset();
  return finished || mode.process_exiting;
}

}  // namespace ruzi
