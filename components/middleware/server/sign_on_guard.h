#pragma once
// Failed sign-ons back off per peer address: each failure in a row doubles the wait (from
// 100 ms to 5 s) before its refusal is answered, and a sign-on from that address during the
// wait is refused without looking at its password, so opening more connections does not
// buy more guesses. A success clears the address. Threads: any.
#include <chrono>
#include <map>
#include <mutex>
#include <string>

namespace ruzi::mwd {

class SignOnGuard {
 public:
  using Clock = std::chrono::steady_clock;

  // True while `peer` must wait.
  bool Blocked(const std::string& peer);
  // Records a failure; how long to wait before answering it.
  std::chrono::milliseconds Failed(const std::string& peer);
  void Succeeded(const std::string& peer);

 private:
  struct Failures {
    int count = 0;
    Clock::time_point until{};
  };
  std::mutex lock_;
  std::map<std::string, Failures> peers_;
};

}  // namespace ruzi::mwd
