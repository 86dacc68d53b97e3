#include "library/unit_registry.h"

#include <exception>

namespace ruzi {

UnitRegistry& UnitRegistry::Instance() {
  static UnitRegistry registry;
  return registry;
}

void UnitRegistry::Add(UnitSteps steps) {
  std::lock_guard guard(lock_);
  units_.push_back(std::move(steps));
}

bool UnitRegistry::StartAll() {
  std::unique_lock guard(lock_);
  while (started_ < units_.size()) {
    UnitSteps& unit = units_[started_];
    std::string failure;
    try {
      if (unit.start) unit.start();
    } catch (const std::exception& error) {
      failure = unit.name + ": " + error.what();
    } catch (...) {
      failure = unit.name + ": unknown failure";
    }
    if (!failure.empty()) {
      last_start_error_ = failure;
      guard.unlock();
      EndAll(false);
      return false;
    }
    ++started_;
  }
  return true;
}

void UnitRegistry::ShutdownAll() {
  std::lock_guard guard(lock_);
  if (shut_down_) return;
  shut_down_ = true;
  for (size_t i = started_; i-- > 0;) {
    try {
      if (units_[i].shutdown) units_[i].shutdown();
    } catch (...) {
      // One unit failing to stop must not keep the others running.
    }
  }
}

void UnitRegistry::EndAll(bool process_exiting) {
  std::lock_guard guard(lock_);
  ending_.store(true);
  process_exiting_ = process_exiting;
  while (started_ > 0) {
    --started_;
    try {
      if (units_[started_].end) units_[started_].end();
    } catch (...) {
      // An end step that fails leaves nothing to undo; the rest still run.
    }
  }
  ending_.store(false);
}

std::string UnitRegistry::LastStartError() const {
  std::lock_guard guard(lock_);
  return last_start_error_;
}

}  // namespace ruzi
