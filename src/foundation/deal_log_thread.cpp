#include "foundation/deal_log_thread.h"

namespace ruzi {
namespace {

std::shared_ptr<LogPassLoop> DispatchLoop(const std::shared_ptr<LogDispatcher>& owner) {
  return std::make_shared<LogPassLoop>([owner] { return owner->DealLog(); },
                                       [owner] { return owner->WorkWaiting(); },
                                       [owner] { owner->FlushRemaining(); });
}

}  // namespace

TDealLogThread::TDealLogThread(std::shared_ptr<LogDispatcher> owner)
    : owner_(owner), thread_(DispatchLoop(owner)) {}

}  // namespace ruzi
