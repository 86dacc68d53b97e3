#pragma once
// One middleware context: a connection to the server, signed on, with the calls in flight
// on it. Answers are matched to calls by sequence number: an answer for an outstanding
// asynchronous call is kept until asked for, an answer nobody waits for any more (its call
// timed out) is dropped. Every method takes the context's lock, so threads sharing a
// context are serialised.
#include <cstdint>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "frame_channel.h"
#include "messages.h"
#include "server_address.h"
#include "slim_lock.h"

namespace ruzi::wsclient {

// What a call came back with: error_number 0 and the reply, or the error and its detail.
struct CallOutcome {
  int32_t error_number = 0;
  std::string detail;
  mw::CallReply reply;

  static CallOutcome Failed(int32_t error_number, std::string detail) {
    CallOutcome outcome;
    outcome.error_number = error_number;
    outcome.detail = std::move(detail);
    return outcome;
  }
};

class ClientContext {
 public:
  explicit ClientContext(int32_t id) : id_(id) {}
  ClientContext(const ClientContext&) = delete;
  ClientContext& operator=(const ClientContext&) = delete;

  int32_t Id() const { return id_; }
  // Connects to the first address that accepts within `timeout_ms` and signs on, waiting as
  // long again for the answer.
  CallOutcome SignOn(const std::vector<ServerAddress>& addresses, const mw::SignOnRequest& request, int timeout_ms);
  // Ends the session by closing the connection.
  void SignOff();
  // Signed on and the peer still there (looked at without waiting).
  bool Connected();

  // Sends and waits up to `wait_ms` (negative: no bound) for the answer.
  CallOutcome Call(const mw::CallRequest& request, int wait_ms);
  // Sends without waiting. The descriptor (> 0; 0 with `expect_reply` false), or -1 and
  // *failure set.
  int32_t Send(const mw::CallRequest& request, bool expect_reply, CallOutcome* failure);
  // The answer to `*descriptor`, or with `any` to whichever outstanding call answers first
  // (its descriptor then goes to *descriptor). `wait_ms` 0 only looks at what has arrived.
  CallOutcome Reply(int32_t* descriptor, bool any, int wait_ms);

 private:
  struct Answer {
    int32_t error_number = 0;  // a transport failure; otherwise `message` holds the answer
    std::string detail;
    uint32_t sequence = 0;
    mw::Message message;
  };

  uint32_t NextSequence();
  bool SendLocked(const mw::Message& message, uint32_t sequence, CallOutcome* failure);
  // Waits for the answer to `sequence`, or with `any` for any outstanding one.
  Answer Await(uint32_t sequence, bool any, int wait_ms);
  CallOutcome LostOutcome() const;
  static CallOutcome FromAnswer(Answer answer);

  SlimLock lock_;
  const int32_t id_;
  mw::FrameChannel channel_;
  std::string server_;  // "//host:port" of the connection, for messages
  uint32_t last_sequence_ = 0;
  bool signed_on_ = false;
  bool lost_ = false;
  std::set<uint32_t> outstanding_;
  std::map<uint32_t, mw::Message> arrived_;
};

}  // namespace ruzi::wsclient
