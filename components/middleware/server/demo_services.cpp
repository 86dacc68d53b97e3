// Demo services: each answers one way the client must understand, so its tests and the
// demo can reach every branch of the reply convention and every middleware failure.
#include <algorithm>
#include <mutex>
#include <set>

#include "error_numbers.h"
#include "reply_text.h"
#include "server_state.h"
#include "services.h"
#include "sha256.h"

namespace ruzi::mwd {
namespace {

constexpr int32_t kDemoServiceId = 10001;
constexpr int32_t kEchoFunction = 9001;
constexpr int32_t kFailingFunction = 9002;
constexpr int64_t kDefaultSlowMs = 3000;
constexpr size_t kDropMemory = 10000;

ServiceResult Echo(ServiceCall& call) { return ServiceResult::Reply(ConventionReply(0, "", {{"Request", call.request.data}})); }

ServiceResult Fail(ServiceCall&) {
  // The message names the portfolio word twice, once as part of "组合单", so the client's
  // display-word substitution and its repair of "单元单" are both exercised.
  return ServiceResult::Reply(ConventionReply(12, "组合单笔委托超过限额: 组合1001"));
}

ServiceResult Warn(ServiceCall&) {
  return ServiceResult::Reply(ConventionReply(0, "", {{"WarnCode", "3"}, {"WarnMessage", "组合持仓接近上限"}}));
}

ServiceResult Plain(ServiceCall&) {
  return ServiceResult::Reply(TaggedText({{"l_fund_id", "7"}, {"vc_fund_name", "红利精选组合"}}));
}

// The wait is clamped to --max-slow-ms, and ends as soon as the caller hangs up.
ServiceResult Slow(ServiceCall& call) {
  int64_t ms = std::clamp<int64_t>(call.Number("ms").value_or(kDefaultSlowMs), 0, call.server.options.max_slow_ms);
  if (auto interrupted = call.Wait(std::chrono::milliseconds(ms))) return *interrupted;
  return ServiceResult::Reply(ConventionReply(0, "", {{"ms", std::to_string(ms)}}));
}

// Drops the connection the first time it sees a request text and answers every repeat, so
// a client that reconnects and repeats the call gets through, and tests do not disturb each
// other as long as their requests differ. Requests are remembered by their SHA-256 alone.
class DropOnce {
 public:
  ServiceResult operator()(ServiceCall& call) {
    {
      std::lock_guard<std::mutex> guard(state_->lock);
      if (state_->seen.size() >= kDropMemory) state_->seen.clear();
      if (state_->seen.insert(Sha256(call.request.data)).second) return ServiceResult::Dropped();
    }
    return ServiceResult::Reply(ConventionReply(0, "", {{"Request", call.request.data}}));
  }

 private:
  struct Shared {
    std::mutex lock;
    std::set<Sha256Digest> seen;
  };
  std::shared_ptr<Shared> state_ = std::make_shared<Shared>();
};

ServiceResult Abort(ServiceCall&) { return ServiceResult::Failure(mw::kMwAbort, "服务异常中止"); }

// Exactly <size> bytes: the convention's items and a <Data> item of digits "0123456789…"
// when that fits, only digits when it does not.
ServiceResult Large(ServiceCall& call) {
  int64_t size = call.Number("size").value_or(0);
  int64_t limit = static_cast<int64_t>(call.server.options.max_body_bytes) - 1024;
  if (size < 0 || size > limit) {
    return ServiceResult::Failure(mw::kMwLimit, "应答长度超出上限: " + std::to_string(size));
  }
  auto digits = [](size_t count) {
    std::string text(count, '0');
    for (size_t i = 0; i < count; ++i) text[i] = static_cast<char>('0' + i % 10);
    return text;
  };
  auto wanted = static_cast<size_t>(size);
  size_t envelope = ConventionReply(0, "", {{"Data", ""}}).size();
  if (wanted < envelope) return ServiceResult::Reply(digits(wanted));
  return ServiceResult::Reply(ConventionReply(0, "", {{"Data", digits(wanted - envelope)}}));
}

// CARRAY: the bytes come back exactly as sent, NULs included.
ServiceResult RawBytes(ServiceCall& call) { return ServiceResult::Reply(call.request.data); }

ServiceResult EchoFunction(ServiceCall& call) {
  return ServiceResult::Reply(call.request.data, "功能号" + std::to_string(call.request.number) + "处理成功");
}

ServiceResult FailingFunction(ServiceCall& call) {
  return ServiceResult::Failure(mw::kMwServiceFail, "功能号" + std::to_string(call.request.number) + "处理失败: 演示错误");
}

}  // namespace

void RegisterDemoServices(ServiceRegistry& registry) {
  registry.AddName("demo_echo", Echo);
  registry.AddName("demo_fail", Fail);
  registry.AddName("demo_warn", Warn);
  registry.AddName("demo_plain", Plain);
  registry.AddName("demo_slow", Slow);
  registry.AddName("demo_drop_once", DropOnce());
  registry.AddName("demo_abort", Abort);
  registry.AddName("demo_large", Large);
  registry.AddName("demo_carray", RawBytes);
  registry.AddId(kDemoServiceId, Echo);
  registry.AddFunction(kEchoFunction, EchoFunction);
  registry.AddFunction(kFailingFunction, FailingFunction);
}

}  // namespace ruzi::mwd
