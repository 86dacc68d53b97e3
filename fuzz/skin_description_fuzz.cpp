// The face library's skin description on arbitrary text: only ruzi::Error for a bad line,
// and whatever parses writes back to text that parses to the same answers.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ruzirareva/foundation/error.h"
#include "skin/skin_description.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ruzi::skin::SkinDescription description;
  try {
    description = ruzi::skin::SkinDescription::Parse(text);
  } catch (const ruzi::Error&) {
    return 0;
  }
  const std::string written = description.Write();
  const ruzi::skin::SkinDescription again = ruzi::skin::SkinDescription::Parse(written);
  if (again.Write() != written || again.Size() != description.Size()) std::abort();
  ruzi::skin::ParseSkinColour(text);
  ruzi::skin::ParseSkinInteger(text);
  return 0;
}
