#pragma once
// Bytes of the section packet format shared by the writer and the reader: items end with SOH,
// and a section begins with its column and row counts ("%5d" SOH "%10d" SOH, 17 bytes). Constants
// only.
#include <cstdint>

namespace ruzi {

inline constexpr char kPacketSeparator = '\x01';
inline constexpr int32_t kPacketHeaderLength = 17;

}  // namespace ruzi
