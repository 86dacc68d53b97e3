#include "foundation/operation_remarks_split.h"

#include <algorithm>

#include "foundation/gbk.h"

namespace ruzi {
namespace {

// What is left to send: the marker (after the first record) and the untouched tail of the
// remarks. Kept apart so that no piece copies the whole remainder again.
struct Remaining {
  std::string_view marker;
  std::string_view tail;

  size_t Size() const { return marker.size() + tail.size(); }
  bool IsJustTheMarker() const {
    return marker.empty() ? tail == kRemarksContinuation : tail.empty();
  }
  // Byte `index` of marker + tail is a lead byte; the marker is whole characters, so the scan
  // may start after it.
  bool LeadByteAt(size_t index) const {
    return index >= marker.size() && GbkByteKindAt(tail, index - marker.size()) == GbkByteKind::Lead;
  }
};

}  // namespace

std::vector<std::string> SplitOperationRemarks(std::string_view remarks) {
  std::vector<std::string> pieces;
  Remaining rest{{}, remarks};
  while (!rest.IsJustTheMarker()) {
    size_t take = std::min(rest.Size(), kOperationRemarksBytes);
    if (rest.Size() > kOperationRemarksBytes && rest.LeadByteAt(kOperationRemarksBytes - 1)) ++take;
    const size_t from_tail = take - rest.marker.size();
    pieces.push_back(std::string(rest.marker).append(rest.tail.substr(0, from_tail)));
    rest = {kRemarksContinuation, rest.tail.substr(from_tail)};
  }
  return pieces;
}

}  // namespace ruzi
