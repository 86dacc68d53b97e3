#include "connection.h"

#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "error_numbers.h"
#include "foundation/local_time_text.h"
#include "frame_decoder.h"
#include "message_codec.h"
#include "protocol_error.h"
#include "server_state.h"
#include "socket_io.h"

namespace ruzi::mwd {
namespace {

using std::chrono::steady_clock;

constexpr size_t kReadBytes = 64 * 1024;

int64_t WallMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

const char* KindName(mw::CallKind kind) {
  switch (kind) {
    case mw::CallKind::ByName:
      return "name";
    case mw::CallKind::ById:
      return "id";
    case mw::CallKind::ByFunction:
      return "function";
  }
  return "?";
}

std::string CallName(const mw::CallRequest& request) {
  if (request.kind == mw::CallKind::ByName) return request.service;
  return std::to_string(request.number);
}

// Counts a call in progress for as long as it lives.
class InProgress {
 public:
  explicit InProgress(std::atomic<uint32_t>& counter) : counter_(counter) { counter_.fetch_add(1); }
  ~InProgress() { counter_.fetch_sub(1); }
  InProgress(const InProgress&) = delete;
  InProgress& operator=(const InProgress&) = delete;

 private:
  std::atomic<uint32_t>& counter_;
};

}  // namespace

Connection::~Connection() { EndSession(); }

std::string Connection::Name() const { return "connection " + std::to_string(id_) + " (" + peer_ + ")"; }

void Connection::Serve() {
  mw::FrameDecoder decoder(state_.options.max_body_bytes);
  ReceiveTimeout receive_timeout(fd_);
  const auto frame_limit = std::chrono::milliseconds(state_.options.incomplete_frame_ms);
  const auto sign_on_limit = std::chrono::milliseconds(state_.options.sign_on_timeout_ms);
  steady_clock::time_point frame_started{};
  // Until a sign-on, frames are small and the connection has a deadline.
  auto frame_cap = [&] {
    uint32_t most = state_.options.max_body_bytes;
    return session_ != 0 ? most : std::min(most, state_.options.sign_on_frame_bytes);
  };
  unsigned_since_ = steady_clock::now();
  try {
    for (;;) {
      // A begun frame must be finished in time; a signed-on idle connection may wait as long as it likes.
      bool in_frame = decoder.Pending() > 0;
      uint32_t wait_ms = in_frame ? state_.options.incomplete_frame_ms : 0;
      if (session_ == 0) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(unsigned_since_ + sign_on_limit -
                                                                          steady_clock::now());
        auto left_ms = static_cast<uint32_t>(std::max<int64_t>(left.count(), 1));
        wait_ms = wait_ms == 0 ? left_ms : std::min(wait_ms, left_ms);
      }
      receive_timeout.Set(wait_ms);
      decoder.SetMaxBody(frame_cap());
      ssize_t got = ::recv(fd_, decoder.Reserve(kReadBytes), kReadBytes, 0);
      if (got < 0 && errno == EINTR) continue;
      bool expired = got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
      if (!expired && got <= 0) return;
      if (got > 0) {
        if (!in_frame) frame_started = steady_clock::now();
        decoder.Commit(static_cast<size_t>(got));
        while (auto frame = decoder.Next()) {
          if (!Handle(*frame)) return;
          decoder.SetMaxBody(frame_cap());
          if (decoder.Pending() > 0) frame_started = steady_clock::now();
        }
      }
      if (decoder.Pending() > 0 && steady_clock::now() - frame_started >= frame_limit) {
        state_.log.Write(Name() + ": frame not completed in time, closed");
        return;
      }
      if (session_ == 0 && steady_clock::now() - unsigned_since_ >= sign_on_limit) {
        state_.log.Write(Name() + ": no sign-on in time, closed");
        return;
      }
    }
  } catch (const mw::ProtocolError& error) {
    state_.log.Write(Name() + ": protocol error, closed: " + ClientText(error.what()));
    Send(mw::ErrorReply{mw::kMwProtocol, error.what()}, 0);
  }
}

bool Connection::Send(const mw::Message& message, uint32_t sequence) {
  mw::EncodedFrame frame = mw::EncodeMessageParts(message, sequence);
  // The whole answer within the frame time-out, however slowly the peer reads.
  auto deadline = steady_clock::now() + std::chrono::milliseconds(state_.options.incomplete_frame_ms);
  if (SendAll(fd_, frame.head, frame.tail, deadline)) return true;
  state_.log.Write(Name() + ": answer not taken in time or peer gone, closed");
  return false;
}

bool Connection::SendAnswer(ServiceResult& result, uint32_t sequence) {
  if (result.error_number != mw::kMwOk) return Send(mw::ErrorReply{result.error_number, result.message}, sequence);
  return Send(mw::CallReply{result.user_code, std::move(result.data), std::move(result.message)}, sequence);
}

bool Connection::Handle(const mw::Frame& frame) {
  mw::Message message = mw::DecodeMessage(frame);
  if (auto* sign_on = std::get_if<mw::SignOnRequest>(&message)) return HandleSignOn(*sign_on, frame.sequence);
  if (std::holds_alternative<mw::SignOffRequest>(message)) {
    EndSession();
    return Send(mw::SignOffReply{}, frame.sequence);
  }
  if (auto* call = std::get_if<mw::CallRequest>(&message)) return HandleCall(*call, frame.sequence);
  if (std::holds_alternative<mw::ProbeRequest>(message)) {
    if (state_.options.delay_ms > 0) state_.stop.Wait(std::chrono::milliseconds(state_.options.delay_ms), {});
    return Send(mw::ProbeReply{state_.sessions.load(), state_.calls_in_progress.load()}, frame.sequence);
  }
  // Answers are ours to send, never to receive.
  throw mw::ProtocolError("unexpected message from client");
}

bool Connection::HandleSignOn(const mw::SignOnRequest& request, uint32_t sequence) {
  EndSession();  // a second sign-on replaces the first context
  const std::string who = ClientText(request.user);
  if (state_.sign_on_guard.Blocked(peer_address_)) {
    state_.log.Write(Name() + ": sign-on refused for " + who + " (address backing off)");
    return Send(mw::ErrorReply{mw::kMwPermission, "签到被拒绝: 请稍后再试"}, sequence);
  }
  Role role = state_.credentials.Check(request.user, request.password);
  if (role == Role::None) {
    auto wait = state_.sign_on_guard.Failed(peer_address_);
    state_.log.Write(Name() + ": sign-on refused for " + who);
    state_.stop.Wait(wait, {});
    return Send(mw::ErrorReply{mw::kMwPermission, "签到被拒绝: 用户或口令不符"}, sequence);
  }
  state_.sign_on_guard.Succeeded(peer_address_);
  session_ = ++state_.last_session_id;
  role_ = role;
  user_ = request.user;
  client_ = request.client;
  state_.sessions.fetch_add(1);
  // Where anyone may sign on, an operator's sign-on is not worth a line; an administrator's always is.
  if (role == Role::Administrator || !state_.credentials.AnyoneIsOperator()) {
    state_.log.Write(Name() + ": " + who + " signed on as " + RoleName(role));
  }
  return Send(mw::SignOnReply{session_}, sequence);
}

void Connection::EndSession() {
  if (session_ == 0) return;
  session_ = 0;
  role_ = Role::None;
  unsigned_since_ = steady_clock::now();
  state_.sessions.fetch_sub(1);
}

bool Connection::HandleCall(const mw::CallRequest& request, uint32_t sequence) {
  if (session_ == 0) return Send(mw::ErrorReply{mw::kMwProtocol, "未签到, 不能调用服务"}, sequence);

  AuditRecord audit;
  audit.at = DateTimeMillisecondText(platform::LocalNow());
  audit.started_us = WallMicroseconds();
  ServiceResult result = RunCall(request);
  // Header and items of the largest answer, beside its data and message.
  constexpr size_t kAnswerEnvelope = 64;
  if (result.error_number == mw::kMwOk && !result.drop_connection &&
      result.data.size() + result.message.size() + kAnswerEnvelope > state_.options.max_body_bytes) {
    result = ServiceResult::Failure(mw::kMwLimit, "应答长度超出上限: " + std::to_string(result.data.size()));
  }
  audit.ended_us = WallMicroseconds();
  audit.session = session_;
  audit.kind = KindName(request.kind);
  audit.service = CallName(request);
  audit.number = request.number;
  audit.route = request.route;
  audit.buffer_type = request.buffer_type;
  audit.SetRequest(request.data, state_.options.audit.request_bytes);
  audit.status = result.error_number;
  uint64_t ticket = state_.audit.Record(std::move(audit));

  if (result.drop_connection) {
    state_.log.Write(Name() + ": dropped by service " + ClientText(CallName(request)));
    return false;
  }
  state_.audit.BeforeAnswer(ticket);
  return SendAnswer(result, sequence);
}

ServiceResult Connection::RunCall(const mw::CallRequest& request) {
  InProgress counted(state_.calls_in_progress);
  if (state_.calls_in_progress.load() > state_.options.max_calls_in_progress) {
    return ServiceResult::Failure(mw::kMwLimit, "服务器繁忙: 调用数已达上限");
  }
  std::optional<SteadyTime> deadline;
  if ((request.flags & mw::kCallTimeoutOn) != 0 && request.timeout_ms > 0) {
    deadline = steady_clock::now() + std::chrono::milliseconds(request.timeout_ms);
  }
  ServiceCall call(request, session_, role_, deadline, state_, fd_);
  if (state_.options.delay_ms > 0) {
    if (auto interrupted = call.Wait(std::chrono::milliseconds(state_.options.delay_ms))) return *interrupted;
  }
  const RegisteredService* service = state_.services.Find(request);
  if (service == nullptr) return ServiceResult::Failure(mw::kMwNoEntry, "服务不存在: " + CallName(request));
  if (role_ != Role::Administrator && service->role == Role::Administrator) {
    return ServiceResult::Failure(mw::kMwPermission, "权限不足: " + CallName(request) + " 需要管理员");
  }

  ServiceResult result;
  try {
    result = service->handler(call);
  } catch (const std::exception& error) {
    state_.log.Write(Name() + ": service " + ClientText(CallName(request)) + " failed: " + ClientText(error.what()));
    return ServiceResult::Failure(mw::kMwServiceError, std::string("服务内部错误: ") + error.what());
  }
  // A result that comes after the deadline is not delivered: the caller has been told.
  if (deadline && steady_clock::now() > *deadline && !result.drop_connection) {
    return ServiceResult::Failure(mw::kMwTime, "服务调用超时");
  }
  return result;
}

}  // namespace ruzi::mwd
