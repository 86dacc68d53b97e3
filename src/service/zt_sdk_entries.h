#pragma once
// The SDK's entries as the factories bind them: one slot each, named as exported.
#include <cstddef>

namespace ruzi {

enum class SdkEntry {
  GetVersionInfo,
  NewConfig,
  NewConnection,
  NewESBMessage,
  NewPacker,
  NewUnPacker,
  NewESBMessageEx,
  NewUnPackerV1,
  Encode,
  GetPackVersion,
  NewFilter,
  NewSubscribeParam,
  GetRateBytes,
  ReSetRateBytes,
  NewBizMessage,
  NewBizMessageEx,
  GetNetWorkSpeed,
  GetMultiNetWorkSpeed,
  NewEmptyUnPacker,
  NewYJGMParam,
  SetCommCfgFile,
};
inline constexpr size_t kSdkEntryCount = 21;

struct SdkEntryInfo {
  const char* name;
  bool plain_only;  // always from "ztsdk.dll", whatever the GM type
};

inline constexpr SdkEntryInfo kSdkEntries[kSdkEntryCount] = {
    {"GetVersionInfo", false},   {"NewConfig", false},         {"NewConnection", false},
    {"NewESBMessage", false},    {"NewPacker", false},         {"NewUnPacker", false},
    {"NewESBMessageEx", false},  {"NewUnPackerV1", false},     {"Encode", false},
    {"GetPackVersion", false},   {"NewFilter", false},         {"NewSubscribeParam", false},
    {"GetRateBytes", false},     {"ReSetRateBytes", false},    {"NewBizMessage", false},
    {"NewBizMessageEx", false},  {"GetNetWorkSpeed", false},   {"GetMultiNetWorkSpeed", false},
    {"NewEmptyUnPacker", false}, {"NewYJGMParam", true},       {"SetCommCfgFile", true},
};
static_assert(static_cast<size_t>(SdkEntry::SetCommCfgFile) + 1 == kSdkEntryCount);

// The entry's address, bound on the first call (throws as the factories do).
void* SdkEntryAddress(SdkEntry entry);

}  // namespace ruzi
