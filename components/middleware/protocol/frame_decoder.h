#pragma once
// Cuts a byte stream into frames. Bytes arrive in any split (a header may come one byte at a
// time); a frame is handed out once all its bytes are there. The header is judged as soon as
// its 12 bytes are in, so an oversized length or a foreign magic is refused before any of
// the body is waited for or buffered.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "frame.h"

namespace ruzi::mw {

class FrameDecoder {
 public:
  explicit FrameDecoder(uint32_t max_body_bytes = kDefaultMaxBodyBytes) : max_body_(max_body_bytes) {}

  // The limit for headers judged from now on (the server raises it once a client signs on).
  void SetMaxBody(uint32_t max_body_bytes) { max_body_ = max_body_bytes; }
  void Feed(const char* data, size_t size);
  // Room for `size` more bytes, so a socket read can land in the buffer directly; Commit
  // then says how many arrived.
  char* Reserve(size_t size);
  void Commit(size_t size) { end_ += size; }
  // The next complete frame, or nothing while bytes are missing. Its payload stays valid
  // until the next Feed or Reserve. Throws ProtocolError for a header that cannot start a
  // frame; the stream is unusable afterwards.
  std::optional<Frame> Next();
  // Bytes received but not yet handed out in a frame.
  size_t Pending() const { return end_ - start_; }

 private:
  uint32_t max_body_;
  std::vector<char> buffer_;
  size_t start_ = 0;
  size_t end_ = 0;
};

}  // namespace ruzi::mw
