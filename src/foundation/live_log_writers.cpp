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

// Shutdown drains every writer before the host unloads us; the end step destroys what the
// library still owns, with the destructor's bounded waits.
const UnitRegistration kUnit{{"U_writelogex", {}, [] { TqxWriteLogEx::ShutdownAll(); },
                              [] { LiveLogWriters::ReleaseAllOwned(); }}};

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
