// Plain Win32 threads: after the finished flag only a few instructions of ours remain on the
// thread (the return to the system's thread start), unlike a C runtime thread whose exit path
// runs library code from our image.
#include <windows.h>

#include <stdexcept>

#include "platform/worker_thread.h"

namespace ruzi::platform::detail {
namespace {

DWORD WINAPI ThreadStart(void* parameter) {
  RunWorker(static_cast<WorkerThread::Context*>(parameter));
  return 0;
}

}  // namespace

void* StartOsThread(WorkerThread::Context* context) {
  HANDLE handle = CreateThread(nullptr, 0, ThreadStart, context, 0, nullptr);
  if (handle == nullptr) throw std::runtime_error("CreateThread failed");
  return handle;
}

// Only ever called under the loader lock on a thread that has not begun its body: it is held
// in the system's thread start and owns nothing of ours.
void StopUnstartedOsThread(void* handle) {
  if (handle != nullptr) TerminateThread(static_cast<HANDLE>(handle), 0);
}

void CloseOsThread(void* handle) {
  if (handle != nullptr) CloseHandle(static_cast<HANDLE>(handle));
}

}  // namespace ruzi::platform::detail
