#include "call_errors.h"

#include "atmi_constants.h"
#include "platform/thread_slot.h"

namespace ruzi::wsclient {
namespace {

struct ThreadErrors {
  int32_t error_number = 0;
  int32_t user_code = 0;
  std::string detail;
  std::string text;  // the last ErrorText answer, kept alive for the caller
};

ThreadErrors& Mine() {
  static platform::ThreadSlot<ThreadErrors> errors;
  return errors.Get();
}

struct Description {
  int32_t number;
  const char* name;
  const char* text;
};

constexpr Description kDescriptions[] = {
    {0, "TPOK", "无错误"},
    {mw::kMwAbort, "TPEABORT", "服务调用被中止"},
    {kErrBadDescriptor, "TPEBADDESC", "无效的调用描述符"},
    {kErrBlock, "TPEBLOCK", "应答尚未到达"},
    {kErrInvalid, "TPEINVAL", "参数无效"},
    {mw::kMwLimit, "TPELIMIT", "超出服务器的限制"},
    {mw::kMwNoEntry, "TPENOENT", "服务或缓冲区类型不存在"},
    {kErrOs, "TPEOS", "内存不足"},
    {mw::kMwPermission, "TPEPERM", "签到被拒绝"},
    {mw::kMwProtocol, "TPEPROTO", "调用顺序错误(未签到或连接已结束)"},
    {mw::kMwServiceError, "TPESVCERR", "服务内部错误"},
    {mw::kMwServiceFail, "TPESVCFAIL", "服务处理失败"},
    {mw::kMwSystem, "TPESYSTEM", "系统或网络错误"},
    {mw::kMwTime, "TPETIME", "服务调用超时"},
    {kErrInputType, "TPEITYPE", "请求缓冲区类型不能发送"},
    {kErrOutputType, "TPEOTYPE", "应答不能放入该类型的缓冲区"},
};

const Description* Find(int32_t number) {
  for (const Description& description : kDescriptions) {
    if (description.number == number) return &description;
  }
  return nullptr;
}

const char* Marker(mw::NetFailure failure) {
  switch (failure) {
    case mw::NetFailure::Startup:
    case mw::NetFailure::Resolve:
      return "-20";
    case mw::NetFailure::Refused:
      return "-17";
    case mw::NetFailure::TimedOut:
      return "超时";
    case mw::NetFailure::Lost:
    case mw::NetFailure::None:
      break;
  }
  return "-9";
}

}  // namespace

void SetError(int32_t error_number, std::string_view detail) {
  Mine().error_number = error_number;
  Mine().detail.assign(detail);
}

int32_t LastErrorNumber() { return Mine().error_number; }

void SetUserCode(int32_t user_code) { Mine().user_code = user_code; }

int32_t LastUserCode() { return Mine().user_code; }

std::string NetworkDetail(mw::NetFailure failure, std::string_view where) {
  std::string detail = std::string("网络错误(") + Marker(failure) + "): " + mw::NetFailureText(failure);
  if (!where.empty()) detail.append(" ").append(where);
  return detail;
}

std::string AddressDetail(std::string_view problem) { return "网络错误(-5): " + std::string(problem); }

const char* ErrorText(int32_t error_number) {
  ThreadErrors& errors = Mine();
  const Description* description = Find(error_number);
  errors.text = description != nullptr ? description->name : "TPE" + std::to_string(error_number);
  errors.text += " - ";
  if (error_number == errors.error_number && !errors.detail.empty()) {
    errors.text += errors.detail;
  } else {
    errors.text += description != nullptr ? description->text : "未知错误";
  }
  return errors.text.c_str();
}

}  // namespace ruzi::wsclient
