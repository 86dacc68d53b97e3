#pragma once
// Speed measurements through the SDK entries, the way the library's server selection makes
// them: a version-2 request of "address"/"port" rows, an answer packer the caller finishes.
#include <cstdint>
#include <string>
#include <vector>

#include "sdk_interfaces.h"

namespace ruzi::testing {

struct SpeedEntries {
  sdk::IF2Packer* (*new_packer)(int32_t version);
  int32_t (*get_multi_speed)(sdk::IF2UnPacker* request, sdk::IF2Packer* answer, uint32_t timeout_ms);
};

struct SpeedRow {
  std::string address;
  std::string port;
  int32_t conn_count = 0;
  double net_delay = 0;
  int32_t last_error = 0;
};

struct SpeedAnswer {
  int32_t status = 0;
  double elapsed_ms = 0;
  std::vector<SpeedRow> rows;
  int32_t error_no = 0;      // a refused request
  std::string error_info;
};

// `servers`: "address:port" lines, split at the last ':'.
SpeedAnswer MeasureSpeeds(const SpeedEntries& sdk, const std::vector<std::string>& servers, uint32_t timeout_ms);

// A silent listener (one that never answers) and a closed port at the rows given, the other
// rows live servers: the live ones answered, the other two unreachable, the whole measurement
// within the time-out (so the probes ran side by side).
void ExpectUnreachableWithinTheTimeOut(const SpeedAnswer& answer, size_t silent, size_t closed, uint32_t timeout_ms,
                                       double slack_ms);

}  // namespace ruzi::testing
