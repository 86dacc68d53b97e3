#pragma once
// Sets the user's "DisableEncrypt" switch for one test and puts back what was there.
#include <optional>
#include <string>

#include "platform/registry.h"

namespace ruzi::testing {

class DisableEncryptSwitch {
 public:
  DisableEncryptSwitch() {
    platform::RegistryKey key = Open();
    before_ = key.ReadString(kValue);
  }
  ~DisableEncryptSwitch() {
    platform::RegistryKey key = Open();
    if (before_) {
      key.WriteString(kValue, *before_);
    } else {
      key.DeleteValue(kValue);
    }
  }
  void Set(const std::string& value) { Open().WriteString(kValue, value); }
  void Remove() { Open().DeleteValue(kValue); }

 private:
  static constexpr const char* kValue = "DisableEncrypt";
  static platform::RegistryKey Open() {
    return platform::RegistryKey::OpenOrCreate(platform::RegistryRoot::CurrentUser, "Software\\Trade\\Login");
  }
  std::optional<std::string> before_;
};

}  // namespace ruzi::testing
