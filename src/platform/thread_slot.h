#pragma once
// One object per thread, made on first use and destroyed when its thread ends.
//
// In a -static MinGW DLL a C++ thread_local with a destructor goes through the C++ runtime's
// own thread key, which the runtime deletes while the process exits. Deleting it waits for a
// lock that a thread killed by the exit (say, one still leaving) may hold, and the process
// never ends. A slot keeps its objects in the system's per-thread storage instead, with a
// clean-up callback, and gives the index back only when its module is unloaded early.
//
//   static platform::ThreadSlot<std::string> text;
//   text.Get() = "kept for this thread";
#include <cstdint>

namespace ruzi::platform {

namespace thread_slot_detail {

using Destroy = void (*)(void*);
// A per-thread storage index whose values `destroy` ends when their thread ends.
uint32_t Allocate(Destroy destroy);
void* Value(uint32_t index);
void SetValue(uint32_t index, void* value);
// Gives the index back, ending every thread's value, unless the process is ending.
void Release(uint32_t index);

}  // namespace thread_slot_detail

template <typename T>
class ThreadSlot {
 public:
  ThreadSlot() : index_(thread_slot_detail::Allocate([](void* value) { delete static_cast<T*>(value); })) {}
  ~ThreadSlot() { thread_slot_detail::Release(index_); }
  ThreadSlot(const ThreadSlot&) = delete;
  ThreadSlot& operator=(const ThreadSlot&) = delete;

  // The calling thread's object.
  T& Get() {
    void* value = thread_slot_detail::Value(index_);
    if (value == nullptr) {
      value = new T();
      thread_slot_detail::SetValue(index_, value);
    }
    return *static_cast<T*>(value);
  }

 private:
  uint32_t index_;
};

}  // namespace ruzi::platform
