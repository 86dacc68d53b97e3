#pragma once
// The messages of the protocol, one struct per message type. Texts are GBK bytes and
// travel unchanged; data fields are opaque bytes (NULs included).
#include <cstdint>
#include <string>
#include <variant>

namespace ruzi::mw {

// Sign-on flag the client library passes through from its connection record (32 asks for
// a context per thread; the server keeps one context per connection either way).
inline constexpr uint32_t kSignOnMultiContext = 32;

struct SignOnRequest {
  std::string user;
  std::string client;
  std::string password;
  uint32_t flags = 0;
  bool operator==(const SignOnRequest&) const = default;
};

struct SignOnReply {
  uint32_t session_id = 0;
  bool operator==(const SignOnReply&) const = default;
};

struct SignOffRequest {
  bool operator==(const SignOffRequest&) const = default;
};

struct SignOffReply {
  bool operator==(const SignOffReply&) const = default;
};

enum class CallKind : uint8_t { ByName = 1, ById = 2, ByFunction = 3 };

// The call's time-out applies only with this flag; without it the call runs to its end.
inline constexpr uint32_t kCallTimeoutOn = 1;

struct CallRequest {
  CallKind kind = CallKind::ByName;
  std::string service;      // by name
  int32_t number = 0;       // service id or function number
  std::string buffer_type;  // "STRING", "CARRAY"; empty for function calls
  uint32_t timeout_ms = 0;
  uint32_t flags = 0;
  std::string route;        // the client's process-wide route name, recorded by the server
  std::string data;
  bool operator==(const CallRequest&) const = default;
};

struct CallReply {
  int32_t user_code = 0;  // the service's return code (the client's gettpurcode)
  std::string data;
  std::string message;    // message text of function-number calls
  bool operator==(const CallReply&) const = default;
};

struct ProbeRequest {
  bool operator==(const ProbeRequest&) const = default;
};

struct ProbeReply {
  uint32_t session_count = 0;
  uint32_t calls_in_progress = 0;
  bool operator==(const ProbeReply&) const = default;
};

struct ErrorReply {
  int32_t error_number = 0;
  std::string text;
  bool operator==(const ErrorReply&) const = default;
};

using Message = std::variant<SignOnRequest, SignOnReply, SignOffRequest, SignOffReply, CallRequest,
                             CallReply, ProbeRequest, ProbeReply, ErrorReply>;

}  // namespace ruzi::mw
