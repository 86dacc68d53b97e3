#pragma once
// The network half of a speed probe: connect to the server, send one Probe, wait for its
// answer, all before the deadline. Failures are Winsock error numbers on both systems, so a
// probe row means the same wherever it was measured.
#include <chrono>
#include <cstdint>
#include <string>

#include "messages.h"

namespace ruzi::sdk {

using ProbeClock = std::chrono::steady_clock;

inline constexpr int32_t kProbeTimedOut = 10060;      // WSAETIMEDOUT
inline constexpr int32_t kProbeRefused = 10061;       // WSAECONNREFUSED
inline constexpr int32_t kProbeClosed = 10054;        // WSAECONNRESET: closed before the answer
inline constexpr int32_t kProbeBadAddress = 10022;    // WSAEINVAL: address or port not usable
inline constexpr int32_t kProbeHostNotFound = 11001;  // WSAHOST_NOT_FOUND
inline constexpr int32_t kProbeBadAnswer = 9;         // the middleware's protocol error number

inline constexpr uint32_t kProbeSequence = 1;

struct ProbeExchange {
  int32_t error = 0;
  mw::ProbeReply reply;
  double delay_ms = -1.0;  // from sending the probe to its answer
  size_t bytes_sent = 0;
  size_t bytes_received = 0;
};

ProbeExchange ExchangeProbe(const std::string& host, uint16_t port, ProbeClock::time_point deadline);

}  // namespace ruzi::sdk
