// The skin manifest on arbitrary text: only ruzi::Error for a bad line, and each entry's
// line reads back as the same entry.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ruzirareva/foundation/error.h"
#include "skin/skin_manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<ruzi::skin::ManifestEntry> entries;
  try {
    entries = ruzi::skin::ParseManifest(std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const ruzi::Error&) {
    return 0;
  }
  for (const auto& entry : entries) {
    const auto again = ruzi::skin::ParseManifest(ruzi::skin::ManifestLine(entry));
    if (again.size() != 1 || ruzi::skin::ManifestLine(again[0]) != ruzi::skin::ManifestLine(entry)) std::abort();
  }
  return 0;
}
