#pragma once
// Start and end steps of the library's units. The DLL runs every start once on attach, in the
// order the units registered (link order), and the ends in reverse on detach. A start that
// throws stops the attach: the units already started are ended again and the message is kept.
// Shutdown steps stop background threads; the host calls them through the shutdown export
// before unloading, because DllMain must never wait for a thread.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace ruzi {

struct UnitSteps {
  std::string name;
  std::function<void()> start;
  std::function<void()> shutdown;
  std::function<void()> end;
};

class UnitRegistry {
 public:
  static UnitRegistry& Instance();

  void Add(UnitSteps steps);
  // False when a start step threw; LastStartError() then names the unit and the reason.
  bool StartAll();
  // Every shutdown step, once, last unit first.
  void ShutdownAll();
  // Ends of the started units, last first. At process exit other threads are already gone,
  // so the end steps are told not to wait for them.
  void EndAll(bool process_exiting);

  std::string LastStartError() const;
  bool ProcessExiting() const { return process_exiting_; }
  // True while EndAll runs: in the DLL that is under the loader lock, where no thread
  // can be waited for.
  bool Ending() const { return ending_.load(); }
  size_t StartedCount() const { return started_; }
  size_t UnitCount() const { return units_.size(); }

 private:
  mutable std::mutex lock_;
  std::vector<UnitSteps> units_;
  size_t started_ = 0;
  bool shut_down_ = false;
  bool process_exiting_ = false;
  std::atomic<bool> ending_{false};
  std::string last_start_error_;
};

// Registers a unit at static initialisation time:
//   static const ruzi::UnitRegistration kUnit{{"log writer", Start, Shutdown, End}};
struct UnitRegistration {
  explicit UnitRegistration(UnitSteps steps) { UnitRegistry::Instance().Add(std::move(steps)); }
};

}  // namespace ruzi
