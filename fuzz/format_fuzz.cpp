// Format on arbitrary format strings against a fixed mixed argument list: no crash, no read
// outside the input, only FormatError for a bad directive, and an output no larger than the
// directives allow.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "foundation/format.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte rotates the argument list, so every kind meets every directive.
  const std::string_view format(reinterpret_cast<const char*>(data) + 1, size - 1);
  const ruzi::FormatArg all[] = {ruzi::FormatArg(42),
                                 ruzi::FormatArg(-7LL),
                                 ruzi::FormatArg(3.14159),
                                 ruzi::FormatArg("text"),
                                 ruzi::FormatArg(static_cast<const void*>(data)),
                                 ruzi::FormatArg(-1e300),
                                 ruzi::FormatArg('c'),
                                 ruzi::FormatArg(5u)};
  constexpr size_t kCount = sizeof all / sizeof all[0];
  const size_t start = data[0] % kCount;
  ruzi::FormatArg args[kCount] = {all[0], all[1], all[2], all[3], all[4], all[5], all[6], all[7]};
  for (size_t i = 0; i < kCount; ++i) args[i] = all[(start + i) % kCount];
  try {
    const std::string out = ruzi::FormatList(format, args);
    // Each directive writes at most its width or precision (capped at 100000) plus a
    // few hundred characters of number text.
    Check(out.size() <= format.size() * 100500 + 1000);
  } catch (const ruzi::FormatError&) {
  }
  return 0;
}
