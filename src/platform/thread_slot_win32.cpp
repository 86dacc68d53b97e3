#include <windows.h>

#include <stdexcept>

#include "platform/thread_slot.h"

namespace ruzi::platform::thread_slot_detail {
namespace {

using ShutdownInProgress = BOOLEAN(NTAPI*)();

// Looked up while the module loads, so nothing is set up during an exit.
const ShutdownInProgress kShutdownInProgress = reinterpret_cast<ShutdownInProgress>(
    reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlDllShutdownInProgress")));

// True once the process has begun to exit (rather than a module being unloaded).
bool ProcessEnding() { return kShutdownInProgress != nullptr && kShutdownInProgress() != 0; }

}  // namespace

uint32_t Allocate(Destroy destroy) {
  // Fiber-local storage: unlike TlsAlloc it calls back when a thread ends. (On x86-64 the
  // callback's calling convention is the only one there is.)
  DWORD index = FlsAlloc(reinterpret_cast<PFLS_CALLBACK_FUNCTION>(reinterpret_cast<void*>(destroy)));
  if (index == FLS_OUT_OF_INDEXES) throw std::runtime_error("no per-thread storage index left");
  return index;
}

void* Value(uint32_t index) { return FlsGetValue(index); }

void SetValue(uint32_t index, void* value) { FlsSetValue(index, value); }

void Release(uint32_t index) {
  // While the process exits, other threads may have been killed holding the loader's locks:
  // their objects are left to the exit.
  if (!ProcessEnding()) FlsFree(index);
}

}  // namespace ruzi::platform::thread_slot_detail
