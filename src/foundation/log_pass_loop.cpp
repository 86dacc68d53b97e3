#include "foundation/log_pass_loop.h"

namespace ruzi {
namespace {
// A drain facing a file that stays broken gives up after this many failed passes in a row.
constexpr int kDrainFailureLimit = 10;
}  // namespace

LogPassLoop::LogPassLoop(std::function<bool()> pass, std::function<bool()> work_waiting,
                         std::function<void()> finish)
    : pass_(std::move(pass)), work_waiting_(std::move(work_waiting)), finish_(std::move(finish)) {}

void LogPassLoop::Stop(bool drain, bool wake) {
  drain_.store(drain);
  terminated_.store(true);
  if (wake) wake_.Notify();
}

void LogPassLoop::Run() {
  int drain_failures = 0;
  for (;;) {
    const bool stopping = terminated_.load();
    if (stopping && !drain_.load()) return;
    bool more = false;
    try {
      more = pass_();
      drain_failures = 0;
    } catch (...) {
      if (stopping && ++drain_failures >= kDrainFailureLimit) break;
      wake_.Wait(kLogPassPeriodMs, [] { return false; });
      continue;
    }
    if (stopping && !more) break;
    if (!more) wake_.Wait(kLogPassPeriodMs, [this] { return terminated_.load() || work_waiting_(); });
  }
  if (finish_) {
    try {
      finish_();
    } catch (...) {
      // What a broken file still holds is lost at this point; the thread ends regardless.
    }
  }
}

}  // namespace ruzi
