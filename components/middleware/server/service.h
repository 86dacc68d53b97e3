#pragma once
// What a service receives and what it answers. A service is a plain function; the server
// looks it up by name, by numeric service id or by function number.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "messages.h"
#include "stop_signal.h"

namespace ruzi::mwd {

struct ServerState;

struct ServiceCall {
  const mw::CallRequest& request;
  uint32_t session;
  std::optional<SteadyTime> deadline;
  ServerState& server;
};

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
};

using ServiceHandler = std::function<ServiceResult(ServiceCall&)>;

}  // namespace ruzi::mwd
