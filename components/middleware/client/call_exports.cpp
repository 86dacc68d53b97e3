// Service calls: by name, by id, by function number, and asynchronous.
#include "atmi_constants.h"
#include "buffer_transfer.h"
#include "call_errors.h"
#include "context_registry.h"
#include "process_settings.h"
#include "wtuxws32.h"

namespace ruzi::wsclient {
namespace {

// How much longer than the call's time-out the client waits: the server answers its own
// time-out first, so the client's bound only matters when the server cannot answer at all.
constexpr int kAnswerMarginMs = 2000;
constexpr int kDefaultReplyWaitMs = 30000;

struct CallTarget {
  mw::CallKind kind;
  const char* service;
  int32_t number;
};

bool TimeOutApplies(int32_t flags, int32_t timeout, int32_t flag) {
  return flag != 0 && timeout > 0 && (flags & kFlagNoTime) == 0;
}

// The request with everything but its data; fails (-1, error set) without a context.
std::shared_ptr<ClientContext> Prepare(const CallTarget& target, mw::CallRequest* request) {
  std::shared_ptr<ClientContext> context = ContextRegistry::Instance().Current();
  if (!context) {
    Fail(mw::kMwProtocol, "未签到(tpinit), 不能调用服务");
    return nullptr;
  }
  request->kind = target.kind;
  if (target.service != nullptr) request->service = target.service;
  request->number = target.number;
  request->route = RouteName();
  return context;
}

int32_t Timed(mw::CallRequest* request, int32_t flags, int32_t timeout, int32_t flag) {
  if (!TimeOutApplies(flags, timeout, flag)) return -1;
  request->timeout_ms = static_cast<uint32_t>(timeout);
  request->flags = mw::kCallTimeoutOn;
  return timeout > INT32_MAX - kAnswerMarginMs ? -1 : timeout + kAnswerMarginMs;
}

int32_t Finish(const CallOutcome& outcome) {
  if (outcome.error_number != 0) return Fail(outcome.error_number, outcome.detail);
  SetUserCode(outcome.reply.user_code);
  SetError(0);
  return 0;
}

int32_t CallAndDeliver(const CallTarget& target, char* request_data, int32_t request_length, char** reply,
                       int32_t* reply_length, int32_t flags, int32_t timeout, int32_t flag, bool raw) {
  if (reply == nullptr || reply_length == nullptr) return Fail(kErrInvalid, "应答缓冲区参数为空");
  if (target.kind == mw::CallKind::ByName && (target.service == nullptr || *target.service == '\0')) {
    return Fail(kErrInvalid, "服务名为空");
  }
  mw::CallRequest request;
  int32_t error = RequestBytes(request_data, request_length, raw, &request.data, &request.buffer_type);
  if (error != 0) return Fail(error);
  std::shared_ptr<ClientContext> context = Prepare(target, &request);
  if (!context) return -1;
  int wait = Timed(&request, flags, timeout, flag);
  CallOutcome outcome = context->Call(request, wait);
  if (outcome.error_number == 0) {
    const char* new_type = request.buffer_type.empty() ? "CARRAY" : request.buffer_type.c_str();
    error = DeliverInto(outcome.reply.data, new_type, raw, reply, reply_length);
    if (error != 0) return Fail(error);
  }
  return Finish(outcome);
}

// The message text of a function call into the caller's text buffer.
void WriteText(const std::string& message, char** text, int32_t* text_length) {
  if (text == nullptr) return;
  int32_t length = 0;
  if (DeliverInto(message, "STRING", true, text, &length) != 0) return;
  if (text_length != nullptr) *text_length = length;
}

}  // namespace
}  // namespace ruzi::wsclient

using namespace ruzi::wsclient;
namespace mw = ruzi::mw;
using mw::CallKind;

extern "C" {

int32_t tpcall(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
               int32_t flags, int32_t timeout, int32_t flag) {
  return CallAndDeliver({CallKind::ByName, service, 0}, request, request_length, reply, reply_length, flags, timeout,
                        flag, false);
}

int32_t tpcallex(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
                 int32_t flags, int32_t timeout, int32_t flag) {
  return CallAndDeliver({CallKind::ByName, service, 0}, request, request_length, reply, reply_length, flags, timeout,
                        flag, true);
}

int32_t tpcallSvrId(int32_t service_id, char* request, int32_t request_length, char** reply, int32_t* reply_length,
                    int32_t flags, int32_t timeout, int32_t flag) {
  return CallAndDeliver({CallKind::ById, nullptr, service_id}, request, request_length, reply, reply_length, flags,
                        timeout, flag, false);
}

int32_t tpcallSvrIdEx(int32_t function_no, const void* packet, int32_t packet_length, char** reply,
                      int32_t* reply_length, char** text, int32_t* text_length, int32_t mode, int32_t timeout,
                      int32_t flag) {
  auto failed = [&](int32_t error_number, std::string_view detail) {
    Fail(error_number, detail);
    WriteText(tpstrerror(error_number), text, text_length);
    return -1;
  };
  if (reply == nullptr || reply_length == nullptr || packet_length < 0 || (packet == nullptr && packet_length > 0)) {
    return failed(kErrInvalid, "参数无效");
  }
  mw::CallRequest request;
  request.data.assign(static_cast<const char*>(packet), static_cast<size_t>(packet_length));
  std::shared_ptr<ClientContext> context = Prepare({CallKind::ByFunction, nullptr, function_no}, &request);
  if (!context) {
    WriteText(tpstrerror(gettperrno()), text, text_length);
    return -1;
  }
  CallOutcome outcome = context->Call(request, Timed(&request, 0, timeout, flag));
  if (outcome.error_number != 0) {
    Finish(outcome);
    WriteText(outcome.detail.empty() ? tpstrerror(outcome.error_number) : outcome.detail, text, text_length);
    return -1;
  }
  if (mode == 1) {
    if (!HeapCopy(outcome.reply.data, reply)) return failed(kErrOs, {});
    *reply_length = static_cast<int32_t>(outcome.reply.data.size());
  } else {
    int32_t error = DeliverInto(outcome.reply.data, "CARRAY", true, reply, reply_length);
    if (error != 0) return failed(error, {});
  }
  WriteText(outcome.reply.message, text, text_length);
  return Finish(outcome);
}

int32_t tpacall(const char* service, char* request_data, int32_t length, int32_t flags) {
  if (service == nullptr || *service == '\0') return Fail(kErrInvalid, "服务名为空");
  mw::CallRequest request;
  int32_t error = RequestBytes(request_data, length, false, &request.data, &request.buffer_type);
  if (error != 0) return Fail(error);
  std::shared_ptr<ClientContext> context = Prepare({CallKind::ByName, service, 0}, &request);
  if (!context) return -1;
  CallOutcome failure;
  int32_t descriptor = context->Send(request, (flags & kFlagNoReply) == 0, &failure);
  if (descriptor < 0) return Fail(failure.error_number, failure.detail);
  SetError(0);
  return descriptor;
}

int32_t tpgetrply(int32_t descriptor, char** reply, int32_t* length, int32_t flags) {
  if (reply == nullptr || length == nullptr) return Fail(kErrInvalid, "应答缓冲区参数为空");
  std::shared_ptr<ClientContext> context = ContextRegistry::Instance().Current();
  if (!context) return Fail(mw::kMwProtocol, "未签到(tpinit), 不能取应答");
  int wait = (flags & kFlagNoBlock) != 0 ? 0 : (flags & kFlagNoTime) != 0 ? -1 : kDefaultReplyWaitMs;
  CallOutcome outcome = context->Reply(&descriptor, (flags & kFlagGetAny) != 0, wait);
  if (outcome.error_number == 0) {
    int32_t error = DeliverInto(outcome.reply.data, "STRING", false, reply, length);
    if (error != 0) return Fail(error);
  }
  return Finish(outcome);
}

int32_t tpconnect(const char*, char*, int32_t, int32_t) { return Fail(mw::kMwNoEntry, "服务器不提供会话方式服务"); }

int32_t tpclose() { return 0; }

}  // extern "C"
