#pragma once
// Byte layout of the SDK's packets (docs/sdk-packet-format.md). Both versions share the
// 16-byte header; they differ in how field definitions and values are stored:
//   version 1: values as NUL-terminated text, field widths of 16 bits, no raw fields;
//   version 2: values in binary by field type, raw fields allowed.
// Every number is little-endian.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace ruzi::sdk {

inline constexpr uint8_t kPacketV1 = 1;
inline constexpr uint8_t kPacketV2 = 2;
inline constexpr char kPacketMagic[2] = {'Z', 'P'};

// Header: version, magic (2), reserved, return code, field count, row count.
inline constexpr size_t kReturnCodeAt = 4;
inline constexpr size_t kFieldCountAt = 8;
inline constexpr size_t kRowCountAt = 12;
inline constexpr size_t kHeaderBytes = 16;

inline constexpr size_t kMaxFieldNameBytes = 255;
inline constexpr int32_t kMaxV1Width = 65535;
inline constexpr int32_t kMaxV1Scale = 255;

// Field type characters.
inline constexpr char kTypeInt = 'I';
inline constexpr char kTypeFloat = 'F';
inline constexpr char kTypeChar = 'C';
inline constexpr char kTypeString = 'S';
inline constexpr char kTypeRaw = 'R';

inline bool IsFieldType(int version, char type) {
  return type == kTypeInt || type == kTypeFloat || type == kTypeChar || type == kTypeString ||
         (type == kTypeRaw && version == kPacketV2);
}

// The version a packet announces in its first byte; 0 for anything else. Only that byte is
// read, since callers hand over a pointer without a length.
inline int PacketVersionOf(const void* data) {
  if (data == nullptr) return 0;
  uint8_t first = *static_cast<const uint8_t*>(data);
  return first == kPacketV1 || first == kPacketV2 ? first : 0;
}

inline uint32_t LoadU32(const char* at) {
  uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;  // x86_64 only, both targets little-endian
}

inline void StoreU32(char* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }

}  // namespace ruzi::sdk
