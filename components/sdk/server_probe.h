#pragma once
// One speed probe of one middleware server, as a row of the speed answer.
#include <cstdint>
#include <string>

#include "probe_exchange.h"

namespace ruzi::sdk {

struct ServerSpeed {
  int32_t conn_count = -1;  // sessions the server reports; -1 when it did not answer
  double net_delay = -1.0;  // milliseconds from sending the probe to its answer; -1 unreachable
  int32_t last_error = 0;   // 0, or an error number of probe_exchange.h
};

// `port` is decimal text (1 to 65535).
ServerSpeed ProbeServer(const std::string& address, const std::string& port, ProbeClock::time_point deadline);

// Bytes the probes of this process sent and received (GetRateBytes), until reset.
void ProbeTraffic(uint64_t& sent, uint64_t& received);
void ResetProbeTraffic();

}  // namespace ruzi::sdk
