// MaskSecrets on arbitrary text: after it, every password tag (any letter case) is followed by
// the mask and then its closing tag or the end; masking again changes nothing; text without a
// password tag comes back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "secret_mask.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string Folded(std::string_view text) {
  std::string folded(text);
  for (char& c : folded) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return folded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string masked = ruzi::mwd::MaskSecrets(text);
  Check(ruzi::mwd::MaskSecrets(masked) == masked);
  const std::string folded = Folded(masked);
  bool any = false;
  for (std::string_view name : {"vc_password", "vc_capital_password"}) {
    const std::string open = "<" + std::string(name) + ">";
    const std::string close = "</" + std::string(name) + ">";
    for (size_t at = folded.find(open); at != std::string::npos; at = folded.find(open, at + 1)) {
      any = true;
      size_t value = at + open.size();
      Check(folded.compare(value, ruzi::mwd::kMaskedSecret.size(), ruzi::mwd::kMaskedSecret) == 0);
      size_t after = value + ruzi::mwd::kMaskedSecret.size();
      Check(after == folded.size() || folded.compare(after, close.size(), close) == 0);
    }
  }
  if (!any && Folded(text).find("<vc_") == std::string::npos) Check(masked == text);
  return 0;
}
