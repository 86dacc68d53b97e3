#include <poll.h>

#include <algorithm>

#include "error_numbers.h"
#include "packets/tagged_package.h"
#include "server_state.h"
#include "service.h"

namespace ruzi::mwd {
namespace {

constexpr auto kCallerCheckPeriod = std::chrono::milliseconds(50);

}  // namespace

ServiceCall::ServiceCall(const mw::CallRequest& call_request, uint32_t call_session, Role caller_role,
                         std::optional<SteadyTime> call_deadline, ServerState& call_server, int caller_fd)
    : request(call_request), session(call_session), role(caller_role), deadline(call_deadline), server(call_server), caller_fd_(caller_fd) {}

ServiceCall::~ServiceCall() = default;

std::optional<std::string> ServiceCall::Text(std::string_view name) {
  if (!items_) items_ = std::make_unique<TqxPackage>(request.data);
  std::string value;
  if (!items_->GetItem(name, value)) return std::nullopt;
  return value;
}

std::optional<int64_t> ServiceCall::Number(std::string_view name) {
  if (!items_) items_ = std::make_unique<TqxPackage>(request.data);
  int64_t value = 0;
  if (!items_->GetItem(name, value)) return std::nullopt;
  return value;
}

bool ServiceCall::CallerGone() const {
  if (caller_fd_ < 0) return false;
  pollfd watch{caller_fd_, POLLRDHUP, 0};
  return ::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLRDHUP | POLLHUP | POLLERR)) != 0;
}

std::optional<ServiceResult> ServiceCall::Interrupted() const {
  if (deadline && std::chrono::steady_clock::now() >= *deadline) {
    return ServiceResult::Failure(mw::kMwTime, "服务调用超时");
  }
  if (server.stop.Stopping()) return ServiceResult::Failure(mw::kMwSystem, "服务器正在停止");
  if (CallerGone()) return ServiceResult::Dropped();
  return std::nullopt;
}

std::optional<ServiceResult> ServiceCall::Wait(std::chrono::milliseconds duration) const {
  const SteadyTime end = std::chrono::steady_clock::now() + duration;
  for (;;) {
    if (auto interrupted = Interrupted()) return interrupted;
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    server.stop.Wait(std::min(left, std::chrono::milliseconds(kCallerCheckPeriod)), deadline);
  }
}

}  // namespace ruzi::mwd
