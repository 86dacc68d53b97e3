#pragma once
// A frame or message that breaks the protocol. The peer that receives one answers with an
// error frame where it can and ends that connection only.
#include "foundation/error.h"

namespace ruzi::mw {

class ProtocolError : public Error {
 public:
  using Error::Error;
};

}  // namespace ruzi::mw
