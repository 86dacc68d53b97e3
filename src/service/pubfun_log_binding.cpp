#include "service/pubfun_log_binding.h"

#include <atomic>

#include "foundation/error.h"
#include "library/unit_registry.h"
#include "platform/dynamic_library.h"

namespace ruzi {
namespace {

// Set on first use without a lock: two threads binding at once store the same values (the
// second load only raises the module's reference count, and the module stays loaded).
std::atomic<void*> module_handle{nullptr};
std::atomic<PubFunWriteLog> write_log{nullptr};
std::atomic<PubFunWriteLogNew> write_log_new{nullptr};
std::atomic<bool> write_log_new_known{false};

void ShutdownPubFun() {
  void* handle = module_handle.load();
  if (handle == nullptr) return;
  if (auto shutdown = platform::DynamicLibrary::Borrow(handle).ExportAs<void (*)()>("PubFunShutdown")) shutdown();
}

const UnitRegistration kUnit{{"qxComm", nullptr, ShutdownPubFun, nullptr}};

}  // namespace

void* PubFunModule() {
  if (void* handle = module_handle.load()) return handle;
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad("pubfunmodel.dll");
  if (!library.IsLoaded()) throw Error("pubfunmodel.dll不存在");
  library.Keep();
  module_handle.store(library.Handle());
  return library.Handle();
}

PubFunWriteLog PubFunWriteLogEntry() {
  if (PubFunWriteLog entry = write_log.load()) return entry;
  auto entry = platform::DynamicLibrary::Borrow(PubFunModule()).ExportAs<PubFunWriteLog>("qxwritelog");
  if (entry == nullptr) throw Error("qxwritelog函数不存在.");
  write_log.store(entry);
  return entry;
}

// The module is kept loaded once bound, so its export table cannot change: the answer of the
// first lookup (the export or its absence) is the answer of every later one.
PubFunWriteLogNew PubFunWriteLogNewEntry() {
  if (write_log_new_known.load(std::memory_order_acquire)) return write_log_new.load(std::memory_order_relaxed);
  auto entry = platform::DynamicLibrary::Borrow(PubFunModule()).ExportAs<PubFunWriteLogNew>("qxwritelogNew");
  write_log_new.store(entry, std::memory_order_relaxed);
  write_log_new_known.store(true, std::memory_order_release);
  return entry;
}

}  // namespace ruzi
