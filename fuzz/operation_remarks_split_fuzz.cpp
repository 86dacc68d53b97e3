// Operation-log remarks (any bytes): the pieces put the remarks back together, none is longer
// than 2011 bytes, every one after the first starts with the marker, and only the last is short.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "foundation/operation_remarks_split.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string remarks(reinterpret_cast<const char*>(data), size);
  const auto pieces = ruzi::SplitOperationRemarks(remarks);
  if (remarks == ruzi::kRemarksContinuation) return pieces.empty() ? 0 : (std::abort(), 0);
  if (pieces.empty()) std::abort();
  std::string joined = pieces[0];
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].size() > ruzi::kOperationRemarksBytes + 1) std::abort();
    if (i + 1 < pieces.size() && pieces[i].size() < ruzi::kOperationRemarksBytes) std::abort();
    if (i == 0) continue;
    if (pieces[i].compare(0, ruzi::kRemarksContinuation.size(), ruzi::kRemarksContinuation) != 0) std::abort();
    joined += pieces[i].substr(ruzi::kRemarksContinuation.size());
  }
  if (joined != remarks) std::abort();
  return 0;
}
