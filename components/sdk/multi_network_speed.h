#pragma once
// GetMultiNetWorkSpeed: every server of the request ("address", "port" per row) probed at
// once, each on its own thread, all against one deadline, so the whole call takes about as
// long as the slowest server and never longer than the time-out. The answer gets one row
// per server in request order ("address", "port", "conn_count", "net_delay", "last_error"),
// or, when the request cannot be measured, one row "error_no", "error_info". The answer is
// left open: the caller finishes it.
#include <cstddef>
#include <cstdint>

#include "sdk_interfaces.h"

namespace ruzi::sdk {

inline constexpr int32_t kSpeedBadRequest = -1;
inline constexpr int32_t kSpeedNoAnswer = -2;
inline constexpr size_t kMaxProbedServers = 256;

int32_t MeasureServers(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout_ms);

}  // namespace ruzi::sdk
