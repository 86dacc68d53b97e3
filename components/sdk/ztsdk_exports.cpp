// ztsdk.dll: the SDK's entries, exported by name. The same file builds the plain SDK and the
// two national-cipher copies; RUZI_SDK_BUILD tells them apart in GetVersionInfo. Entries for
// objects this SDK does not have (connections, messages, subscriptions) answer nil.
#include <algorithm>
#include <cstdint>
#include <mutex>
#include <string>

#include "ztsdk.h"

#include "multi_network_speed.h"
#include "sdk_packer.h"
#include "sdk_unpacker.h"
#include "sdk_utilities.h"
#include "packets/sdk_packet/sdk_packet_layout.h"

#ifndef RUZI_SDK_BUILD
#define RUZI_SDK_BUILD 0
#endif

using namespace ruzi::sdk;

namespace {

// 2.1, the build in the low byte: 0 plain, 1 "geer_gm", 2 "xasj_gm".
constexpr int32_t kVersionInfo = 0x02010000 + RUZI_SDK_BUILD;

std::mutex config_lock;
std::string config_file;

int32_t Clamped(uint64_t count) { return static_cast<int32_t>(std::min<uint64_t>(count, INT32_MAX)); }

}  // namespace

ZTSDK_EXPORT int32_t GetVersionInfo() { return kVersionInfo; }

ZTSDK_EXPORT void* NewConfig() { return nullptr; }
ZTSDK_EXPORT void* NewConnection(void*) { return nullptr; }
ZTSDK_EXPORT void* NewESBMessage(int32_t) { return nullptr; }
ZTSDK_EXPORT void* NewESBMessageEx(int32_t, void*, int32_t, int32_t) { return nullptr; }
ZTSDK_EXPORT void* NewFilter() { return nullptr; }
ZTSDK_EXPORT void* NewSubscribeParam() { return nullptr; }
ZTSDK_EXPORT void* NewBizMessage() { return nullptr; }
ZTSDK_EXPORT void* NewBizMessageEx(int32_t) { return nullptr; }
ZTSDK_EXPORT void* NewYJGMParam() { return nullptr; }

ZTSDK_EXPORT IF2Packer* NewPacker(int32_t version) {
  if (version != kPacketV1 && version != kPacketV2) return nullptr;
  return new SdkPacker(version);
}

ZTSDK_EXPORT IF2UnPacker* NewUnPacker(void* buffer, uint32_t length) {
  return SdkUnPacker::OverBuffer(buffer, length, kPacketV2);
}

ZTSDK_EXPORT IF2UnPacker* NewUnPackerV1(void* buffer, uint32_t length) {
  return SdkUnPacker::OverBuffer(buffer, length, kPacketV1);
}

ZTSDK_EXPORT IF2UnPacker* NewEmptyUnPacker(int32_t version) {
  if (version != kPacketV1 && version != kPacketV2) return nullptr;
  return SdkUnPacker::Empty(version);
}

ZTSDK_EXPORT int32_t GetPackVersion(const void* buffer) { return PacketVersionOf(buffer); }

ZTSDK_EXPORT int32_t Encode(char* output, const char* input, int32_t capacity) {
  return HexEncode(output, input, capacity);
}

ZTSDK_EXPORT int32_t GetRateBytes(int32_t* sent, int32_t* received) {
  uint64_t out = 0;
  uint64_t in = 0;
  ProbeTraffic(out, in);
  if (sent != nullptr) *sent = Clamped(out);
  if (received != nullptr) *received = Clamped(in);
  return 0;
}

ZTSDK_EXPORT int32_t ReSetRateBytes() {
  ResetProbeTraffic();
  return 0;
}

// `delay` (a double) receives the delay in milliseconds, -1 when unreachable; the result is
// 0 or the probe's error number.
ZTSDK_EXPORT int32_t GetNetWorkSpeed(const char* server, int32_t timeout_ms, void* delay) {
  ServerSpeed speed;
  speed.last_error = kProbeBadAddress;
  if (server != nullptr) speed = ProbeAddressText(server, static_cast<uint32_t>(std::max(timeout_ms, 0)));
  if (delay != nullptr) *static_cast<double*>(delay) = speed.net_delay;
  return speed.last_error;
}

ZTSDK_EXPORT int32_t GetMultiNetWorkSpeed(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout_ms) {
  return MeasureServers(request, answer, timeout_ms);
}

ZTSDK_EXPORT int32_t SetCommCfgFile(const char* file_name) {
  if (file_name == nullptr || *file_name == '\0') return -1;
  std::lock_guard<std::mutex> guard(config_lock);
  config_file = file_name;
  return 0;
}
