#pragma once
// What a service receives and what it answers. A service is a plain function; the server
// looks it up by name, by numeric service id or by function number.
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "credentials.h"
#include "messages.h"
#include "stop_signal.h"

namespace ruzi {
class TqxPackage;
}

namespace ruzi::mwd {

struct ServerState;

struct ServiceResult {
  int32_t error_number = 0;  // 0: a reply; otherwise an error frame with `message` as text
  std::string data;
  std::string message;
  int32_t user_code = 0;
  bool drop_connection = false;  // close without answering (the lost-connection case)

  static ServiceResult Reply(std::string data, std::string message = {}) {
    ServiceResult result;
    result.data = std::move(data);
    result.message = std::move(message);
    return result;
  }
  static ServiceResult Failure(int32_t error_number, std::string text) {
    ServiceResult result;
    result.error_number = error_number;
    result.message = std::move(text);
    return result;
  }
  static ServiceResult Dropped() {
    ServiceResult result;
    result.drop_connection = true;
    return result;
  }
};

// One call as a service sees it. Not shared between threads.
class ServiceCall {
 public:
  ServiceCall(const mw::CallRequest& call_request, uint32_t call_session, Role caller_role,
              std::optional<SteadyTime> call_deadline, ServerState& call_server, int caller_fd = -1);
  ~ServiceCall();
  ServiceCall(const ServiceCall&) = delete;
  ServiceCall& operator=(const ServiceCall&) = delete;

  // An item of the request's tagged text; the text is parsed once, on the first look.
  std::optional<std::string> Text(std::string_view name);
  std::optional<int64_t> Number(std::string_view name);

  // Why the call must end now: Error 13 past its deadline, Error 12 while the server stops,
  // a silent drop once the caller has hung up. Nothing while the work may go on. A service
  // that loops checks it as it goes; it costs a poll of the socket.
  std::optional<ServiceResult> Interrupted() const;
  // Waits, ending early for any reason Interrupted() names (looked at every 50 ms).
  std::optional<ServiceResult> Wait(std::chrono::milliseconds duration) const;

  const mw::CallRequest& request;
  const uint32_t session;
  const Role role;  // of the caller's sign-on
  const std::optional<SteadyTime> deadline;
  ServerState& server;

 private:
  bool CallerGone() const;

  const int caller_fd_;
  std::unique_ptr<TqxPackage> items_;
};

using ServiceHandler = std::function<ServiceResult(ServiceCall&)>;

}  // namespace ruzi::mwd
