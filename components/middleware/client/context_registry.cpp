#include "context_registry.h"

#include "atmi_constants.h"

namespace ruzi::wsclient {
namespace {

int32_t& ThreadContextId() {
  thread_local int32_t id = kNullContext;
  return id;
}

}  // namespace

ContextRegistry::ContextRegistry() : process_context_(kNullContext) {}

ContextRegistry& ContextRegistry::Instance() {
  static ContextRegistry registry;
  return registry;
}

std::shared_ptr<ClientContext> ContextRegistry::Current() {
  std::lock_guard<SlimLock> guard(lock_);
  int32_t id = ThreadContextId() != kNullContext ? ThreadContextId() : process_context_;
  auto found = contexts_.find(id);
  return found == contexts_.end() ? nullptr : found->second;
}

int32_t ContextRegistry::CurrentId() {
  std::shared_ptr<ClientContext> current = Current();
  return current ? current->Id() : kNullContext;
}

std::shared_ptr<ClientContext> ContextRegistry::Create() {
  std::lock_guard<SlimLock> guard(lock_);
  return std::make_shared<ClientContext>(++last_id_);
}

std::shared_ptr<ClientContext> ContextRegistry::Adopt(const std::shared_ptr<ClientContext>& context, bool per_thread) {
  std::lock_guard<SlimLock> guard(lock_);
  contexts_[context->Id()] = context;
  if (per_thread) {
    ThreadContextId() = context->Id();
    return nullptr;
  }
  std::shared_ptr<ClientContext> previous;
  auto found = contexts_.find(process_context_);
  if (found != contexts_.end() && found->second != context) {
    previous = found->second;
    contexts_.erase(found);
  }
  process_context_ = context->Id();
  return previous;
}

void ContextRegistry::Remove(int32_t id) {
  std::lock_guard<SlimLock> guard(lock_);
  contexts_.erase(id);
  if (process_context_ == id) process_context_ = kNullContext;
  if (ThreadContextId() == id) ThreadContextId() = kNullContext;
}

bool ContextRegistry::Select(int32_t id) {
  std::lock_guard<SlimLock> guard(lock_);
  if (id != kNullContext && contexts_.count(id) == 0) return false;
  ThreadContextId() = id;
  return true;
}

}  // namespace ruzi::wsclient
