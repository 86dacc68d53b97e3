#pragma once
// Choosing a back-end server by measuring every one at once through the SDK: per server its
// network delay, its number of connections and an error number; the one with the smallest
// delay (mode 0) or the fewest connections (any other mode) wins. Any thread may call them; the
// packers and records of a measurement are the call's own.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

struct TRetNetWorkSpeed {
  int32_t ConnCount = 0;  // negative: no count
  double NetDelay = 0;    // negative: not reachable
  int32_t ErrorNo = 0;    // "last_error" of a measured row, "error_no" of a failed measurement
  std::string ErrorInfo;  // "error_info" of a failed measurement
};
using TArrRetNetWorkSpeed = std::vector<std::unique_ptr<TRetNetWorkSpeed>>;

struct ServerLine {
  std::string address;
  std::string port;
};
// Splits at the last ":" before the line's last character (IPv6 addresses keep theirs); a line
// without one is all port.
RUZI_API ServerLine SplitServerLine(std::string_view line);

// One record per server (in list order) when the SDK measured them, one record with the
// SDK's error when it refused, none for a nil list (the SDK is then not touched).
RUZI_API void __GetMultiNetWorkSpeed(const std::vector<std::string>* Servers, int32_t TimeOut, TArrRetNetWorkSpeed& Result);

// Index of the best record (ties keep the earlier one), or -1 when none qualifies.
RUZI_API int32_t SelectBestServer(const TArrRetNetWorkSpeed& Speeds, int32_t Mode);

// Measures with a time-out of 5000 and selects; -1 when nothing was measured. Reserved has no
// effect.
RUZI_API int32_t AutoSelectBestServer(const std::vector<std::string>* Servers, int32_t Mode, int32_t Reserved);
RUZI_API int32_t AutoSelectBestServer(std::span<const std::string> Servers, int32_t Mode, int32_t Reserved);

}  // namespace ruzi
