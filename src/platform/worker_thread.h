#pragma once
// A background thread that runs one body and can be let go of without waiting for it. The
// library is unloaded under the loader lock, where no thread can be waited for and a thread
// still starting can never run: so the owner polls a finished flag (set as the body's last
// act), and a thread that never began its body is stopped before the code it would run goes.
#include <cstdint>
#include <functional>

namespace ruzi::platform {

class WorkerThread {
 public:
  explicit WorkerThread(std::function<void()> body);
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  bool Finished() const;
  // Whether the body has begun (a thread held at its start under the loader lock never does).
  bool Started() const;
  // Polls the finished flag every millisecond for at most `milliseconds`.
  bool WaitFinished(uint32_t milliseconds) const;
  // Waits as long as it takes (never under the loader lock).
  void Join() const;
  // Lets go of the thread. A finished one is forgotten; a running one ends on its own later;
  // one that has not begun its body never will (under the loader lock it is stopped at once,
  // since it could only start running after our code is gone).
  void Release(bool under_loader_lock);

  struct Context;

 private:
  Context* context_ = nullptr;
  void* handle_ = nullptr;
};

namespace detail {
// The thread's entry: runs the body unless the owner gave up on it first.
void RunWorker(WorkerThread::Context* context);
// Starts an OS thread running RunWorker(context); returns its handle (nullptr natively).
void* StartOsThread(WorkerThread::Context* context);
void StopUnstartedOsThread(void* handle);
void CloseOsThread(void* handle);
}  // namespace detail

}  // namespace ruzi::platform
