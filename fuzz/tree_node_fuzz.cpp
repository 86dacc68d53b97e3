// The tree node property driver with the input's bytes choosing every step: any difference
// from the brute-force model, or any sanitizer report, is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "../tests/treedata/tree_node_driver.h"

namespace {

struct ByteSource {
  const uint8_t* data;
  size_t size;
  size_t at = 0;
  uint32_t Next(uint32_t bound) {
    uint32_t value = 0;
    for (int i = 0; i < 2 && at < size; ++i) value = value << 8 | data[at++];
    return value % bound;
  }
  bool Exhausted() const { return at >= size; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteSource source{data, size};
  const std::string difference = ruzi::treemodel::TreeNodeDriver<ByteSource>(source).Run(500);
  if (!difference.empty()) {
    std::fprintf(stderr, "tree differs from the model: %s\n", difference.c_str());
    std::abort();
  }
  return 0;
}
