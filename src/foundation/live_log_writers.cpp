#include "foundation/live_log_writers.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "foundation/write_log_ex.h"
#include "library/unit_registry.h"

namespace ruzi {
namespace {

struct Registry {
  std::recursive_mutex lock;  // a shutdown step may create or free a writer
  std::vector<TqxWriteLogEx*> live;
  std::vector<std::unique_ptr<TqxWriteLogEx>> owned;
};

Registry& TheRegistry() {
  static Registry* registry = new Registry;  // never destroyed: writers may go after static teardown
  return *registry;
}

// Shutdown drains every writer before the host unloads us. A host that forgot it reaches the
// end step, which writes what every writer still holds from the unloading thread and then
// destroys what the library owns; at process exit nothing is freed (a lock a killed thread
// held would stop the exit for ever, and the memory goes with the process).
const UnitRegistration kUnit{{"U_writelogex", {}, [] { TqxWriteLogEx::ShutdownAll(); },
                              [] {
                                LiveLogWriters::WriteWhatIsLeft();
                                if (!UnitRegistry::Instance().ProcessExiting()) LiveLogWriters::ReleaseAllOwned();
                              }}};

}  // namespace

void LiveLogWriters::Add(TqxWriteLogEx* writer) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  registry.live.push_back(writer);
}

void LiveLogWriters::Remove(TqxWriteLogEx* writer) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  registry.live.erase(std::remove(registry.live.begin(), registry.live.end(), writer), registry.live.end());
}

void LiveLogWriters::ForEach(const std::function<void(TqxWriteLogEx&)>& fn) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  for (TqxWriteLogEx* writer : std::vector<TqxWriteLogEx*>(registry.live)) fn(*writer);
}

void LiveLogWriters::WriteWhatIsLeft() {
  Registry& registry = TheRegistry();
  std::unique_lock guard(registry.lock, std::try_to_lock);
  if (!guard.owns_lock()) {
    // At process exit a thread killed while creating or freeing a writer holds it for ever.
    if (UnitRegistry::Instance().ProcessExiting()) return;
    guard.lock();
  }
  for (TqxWriteLogEx* writer : std::vector<TqxWriteLogEx*>(registry.live)) writer->StopAndWriteWhatIsLeft();
}

TqxWriteLogEx* LiveLogWriters::Own(TqxWriteLogEx* writer) {
  Registry& registry = TheRegistry();
  std::lock_guard guard(registry.lock);
  registry.owned.emplace_back(writer);
  return writer;
}

bool LiveLogWriters::ReleaseOwned(TqxWriteLogEx* writer) {
  Registry& registry = TheRegistry();
  std::unique_ptr<TqxWriteLogEx> taken;
  {
    std::lock_guard guard(registry.lock);
    auto it = std::find_if(registry.owned.begin(), registry.owned.end(),
                           [writer](const auto& owned) { return owned.get() == writer; });
    if (it == registry.owned.end()) return false;
    taken = std::move(*it);
    registry.owned.erase(it);
  }
  return true;  // destroyed here, outside the lock
}

void LiveLogWriters::ReleaseAllOwned() {
  Registry& registry = TheRegistry();
  std::vector<std::unique_ptr<TqxWriteLogEx>> taken;
  {
    std::lock_guard guard(registry.lock);
    taken.swap(registry.owned);
  }
}

}  // namespace ruzi
