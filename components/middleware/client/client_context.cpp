#include "client_context.h"

#include <chrono>
#include <climits>

#include "atmi_constants.h"
#include "call_errors.h"

namespace ruzi::wsclient {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSendWaitMs = 30000;

int MillisecondsLeft(Clock::time_point end) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

}  // namespace

uint32_t ClientContext::NextSequence() {
  // Sequences double as descriptors, which callers hold as positive 32-bit integers.
  if (last_sequence_ >= static_cast<uint32_t>(INT32_MAX)) last_sequence_ = 0;
  return ++last_sequence_;
}

CallOutcome ClientContext::LostOutcome() const {
  return CallOutcome::Failed(mw::kMwSystem, NetworkDetail(mw::NetFailure::Lost, server_));
}

bool ClientContext::SendLocked(const mw::Message& message, uint32_t sequence, CallOutcome* failure) {
  if (lost_ || !channel_.IsOpen()) {
    *failure = LostOutcome();
    return false;
  }
  if (channel_.Send(message, sequence, kSendWaitMs)) return true;
  lost_ = true;
  *failure = CallOutcome::Failed(mw::kMwSystem, NetworkDetail(channel_.Failure(), server_));
  return false;
}

ClientContext::Answer ClientContext::Await(uint32_t sequence, bool any, int wait_ms) {
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(wait_ms < 0 ? 0 : wait_ms);
  for (;;) {
    auto kept = any ? arrived_.begin() : arrived_.find(sequence);
    if (kept != arrived_.end()) {
      Answer answer;
      answer.sequence = kept->first;
      answer.message = std::move(kept->second);
      arrived_.erase(kept);
      return answer;
    }
    if (lost_ || !channel_.IsOpen()) return Answer{mw::kMwSystem, LostOutcome().detail, 0, {}};
    auto received = channel_.Receive(wait_ms < 0 ? -1 : MillisecondsLeft(end));
    if (!received) {
      if (channel_.IsOpen() && channel_.Failure() == mw::NetFailure::TimedOut) {
        return Answer{mw::kMwTime, NetworkDetail(mw::NetFailure::TimedOut, "等待应答"), 0, {}};
      }
      lost_ = true;
      return Answer{mw::kMwSystem, NetworkDetail(channel_.Failure(), server_), 0, {}};
    }
    // Sequence 0 is the server's word on the connection itself, sent just before it closes.
    if (received->sequence == 0) {
      lost_ = true;
      return Answer{0, {}, 0, std::move(received->message)};
    }
    if (!any && received->sequence == sequence) return Answer{0, {}, received->sequence, std::move(received->message)};
    if (outstanding_.count(received->sequence) != 0) {
      if (any) return Answer{0, {}, received->sequence, std::move(received->message)};
      arrived_[received->sequence] = std::move(received->message);
    }
    // Anything else answers a call whose caller stopped waiting: dropped.
  }
}

CallOutcome ClientContext::FromAnswer(Answer answer) {
  if (answer.error_number != 0) return CallOutcome::Failed(answer.error_number, std::move(answer.detail));
  if (auto* reply = std::get_if<mw::CallReply>(&answer.message)) {
    CallOutcome outcome;
    outcome.reply = std::move(*reply);
    return outcome;
  }
  if (auto* error = std::get_if<mw::ErrorReply>(&answer.message)) {
    return CallOutcome::Failed(error->error_number, std::move(error->text));
  }
  return CallOutcome::Failed(mw::kMwProtocol, "服务器的应答不符合协议");
}

CallOutcome ClientContext::SignOn(const std::vector<ServerAddress>& addresses, const mw::SignOnRequest& request,
                                  int timeout_ms) {
  std::lock_guard<SlimLock> guard(lock_);
  mw::NetFailure failure = mw::NetFailure::Refused;
  std::string tried;
  for (const ServerAddress& address : addresses) {
    if (channel_.Open(address.host, address.port, timeout_ms)) {
      server_ = AddressText(address);
      break;
    }
    failure = channel_.Failure();
    tried += (tried.empty() ? "" : ",") + AddressText(address);
  }
  if (!channel_.IsOpen()) return CallOutcome::Failed(mw::kMwSystem, NetworkDetail(failure, tried));

  lost_ = false;
  uint32_t sequence = NextSequence();
  CallOutcome failed;
  if (!SendLocked(request, sequence, &failed)) return failed;
  Answer answer = Await(sequence, false, timeout_ms);
  if (answer.error_number == 0 && std::holds_alternative<mw::SignOnReply>(answer.message)) {
    signed_on_ = true;
    return {};
  }
  channel_.Close();
  // The server's own refusal goes through as it is; a wait that ran out stays a network
  // failure, so the caller can tell the two apart.
  if (answer.error_number == mw::kMwTime) return CallOutcome::Failed(mw::kMwSystem, answer.detail);
  return FromAnswer(std::move(answer));
}

void ClientContext::SignOff() {
  std::lock_guard<SlimLock> guard(lock_);
  // The close is the sign-off: the server ends the session when it reads it. A sign-off
  // message first would cost a connection per call one more frame and tell the server
  // nothing more.
  signed_on_ = false;
  channel_.Close();
  outstanding_.clear();
  arrived_.clear();
}

bool ClientContext::Connected() {
  std::lock_guard<SlimLock> guard(lock_);
  if (!signed_on_ || lost_ || !channel_.IsOpen()) return false;
  if (channel_.PeerGone()) lost_ = true;
  return !lost_;
}

CallOutcome ClientContext::Call(const mw::CallRequest& request, int wait_ms) {
  std::lock_guard<SlimLock> guard(lock_);
  uint32_t sequence = NextSequence();
  CallOutcome failed;
  if (!SendLocked(request, sequence, &failed)) return failed;
  return FromAnswer(Await(sequence, false, wait_ms));
}

int32_t ClientContext::Send(const mw::CallRequest& request, bool expect_reply, CallOutcome* failure) {
  std::lock_guard<SlimLock> guard(lock_);
  uint32_t sequence = NextSequence();
  if (!SendLocked(request, sequence, failure)) return -1;
  if (!expect_reply) return 0;
  outstanding_.insert(sequence);
  return static_cast<int32_t>(sequence);
}

CallOutcome ClientContext::Reply(int32_t* descriptor, bool any, int wait_ms) {
  std::lock_guard<SlimLock> guard(lock_);
  uint32_t sequence = any ? 0 : static_cast<uint32_t>(*descriptor);
  if (any ? outstanding_.empty() : (*descriptor <= 0 || outstanding_.count(sequence) == 0)) {
    return CallOutcome::Failed(kErrBadDescriptor, {});
  }
  Answer answer = Await(sequence, any, wait_ms);
  if (answer.error_number == mw::kMwTime && wait_ms == 0) return CallOutcome::Failed(kErrBlock, {});
  if (answer.error_number == 0) {
    outstanding_.erase(answer.sequence);
    if (any) *descriptor = static_cast<int32_t>(answer.sequence);
  } else if (answer.error_number == mw::kMwTime && !any) {
    outstanding_.erase(sequence);  // given up on: its answer is dropped when it comes
  }
  return FromAnswer(std::move(answer));
}

}  // namespace ruzi::wsclient
