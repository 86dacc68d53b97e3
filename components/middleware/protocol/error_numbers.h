#pragma once
// Error numbers carried by error frames. They follow the numbering the client library's
// callers classify (12 and 9: connection lost, reconnect; 13 and 1: time-out or abort).
#include <cstdint>

namespace ruzi::mw {

enum MwErrorNumber : int32_t {
  kMwOk = 0,
  kMwAbort = 1,        // the service gave up on the call
  kMwLimit = 5,        // a cap of the server is reached (sessions, calls in progress)
  kMwNoEntry = 6,      // no service of that name, id or function number
  kMwPermission = 8,   // sign-on refused
  kMwProtocol = 9,     // call out of order (no sign-on) or a malformed frame
  kMwServiceError = 10,  // the service failed inside the server
  kMwServiceFail = 11,   // the service reported a failure with a message
  kMwSystem = 12,      // connection lost or server stopping
  kMwTime = 13,        // the call's time-out passed
};

}  // namespace ruzi::mw
