#include <pthread.h>

#include <stdexcept>

#include "platform/thread_slot.h"

namespace ruzi::platform::thread_slot_detail {

uint32_t Allocate(Destroy destroy) {
  pthread_key_t key;
  if (pthread_key_create(&key, destroy) != 0) throw std::runtime_error("no per-thread storage key left");
  return static_cast<uint32_t>(key);
}

void* Value(uint32_t index) { return pthread_getspecific(static_cast<pthread_key_t>(index)); }

void SetValue(uint32_t index, void* value) { pthread_setspecific(static_cast<pthread_key_t>(index), value); }

void Release(uint32_t index) { pthread_key_delete(static_cast<pthread_key_t>(index)); }

}  // namespace ruzi::platform::thread_slot_detail
