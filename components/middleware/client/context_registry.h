#pragma once
// The contexts of the process. A sign-on with the multi-context flag gives the calling
// thread a context of its own; without it the context is the process's, used by every
// thread that has none of its own. A thread may adopt any live context by id.
#include <cstdint>
#include <map>
#include <memory>

#include "client_context.h"
#include "slim_lock.h"

namespace ruzi::wsclient {

class ContextRegistry {
 public:
  ContextRegistry();
  static ContextRegistry& Instance();

  // The calling thread's context, else the process context, else nullptr.
  std::shared_ptr<ClientContext> Current();
  // Its id, or kNullContext.
  int32_t CurrentId();
  // A new context, not yet anybody's.
  std::shared_ptr<ClientContext> Create();
  // Makes a created context the thread's own or the process's (the process's previous
  // one is returned so the caller can end it).
  std::shared_ptr<ClientContext> Adopt(const std::shared_ptr<ClientContext>& context, bool per_thread);
  // Forgets the context; threads that still name it have none.
  void Remove(int32_t id);
  // The thread's context by id (kNullContext: none). False for an unknown id.
  bool Select(int32_t id);

 private:
  SlimLock lock_;
  std::map<int32_t, std::shared_ptr<ClientContext>> contexts_;
  int32_t process_context_;
  int32_t last_id_ = 0;
};

}  // namespace ruzi::wsclient
