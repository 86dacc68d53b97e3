#include "security/encrypt_switches.h"

#include <atomic>
#include <cstdint>

#include "platform/executable_export.h"
#include "platform/registry.h"

namespace ruzi {
namespace {

constexpr int32_t kUnknown = -1;
// A plain value: concurrent first calls may both ask the executable and store the same answer.
std::atomic<int32_t> use_sm_answer{kUnknown};

}  // namespace

bool CheckDisableEncrypt() {
  platform::RegistryKey key =
      platform::RegistryKey::Open(platform::RegistryRoot::CurrentUser, "\\Software\\Trade\\Login");
  if (!key.IsOpen()) return true;
  return key.ReadString("DisableEncrypt") != "Yes";
}

bool is_use_sm() {
  int32_t answer = use_sm_answer.load(std::memory_order_relaxed);
  if (answer == kUnknown) {
    using GetIsUseSmFunction = int (*)();
    if (auto get_is_use_sm = reinterpret_cast<GetIsUseSmFunction>(platform::ExecutableExport("GetIsUseSM"))) {
      answer = get_is_use_sm();
      use_sm_answer.store(answer, std::memory_order_relaxed);
    }
  }
  return answer == 1;
}

}  // namespace ruzi
