#pragma once
// The middleware SDK (ztsdk.dll), loaded at run time and never linked. Each factory binds its
// entry on its first call, from the copy of the SDK the GM type chooses at that moment, and
// forwards the call unchanged; an entry once bound stays bound where it was. A library or an
// entry that cannot be found throws ruzi::Error "Library not found: <library>" or
// "Function not found: <library>.<entry>".
#include <cstdint>
#include <string>
#include <string_view>

#include "service/zt_sdk_interfaces.h"

namespace ruzi {

// The national-cipher build in use: 1 "geer_gm", 2 "xasj_gm", anything else the plain SDK.
// While the cached type is -1 each call reads "gm_type" from the environment (-1 when empty
// or not a number), so it settles on the first call that finds the variable set.
int32_t GetGMType();

// "geer_gm\ztsdk.dll" for 1, "xasj_gm\ztsdk.dll" for 2, else "ztsdk.dll".
const char* SdkLibraryName(int32_t gm_type);

// The address of `entry` in `library` (a name from SdkLibraryName), loaded by full path from
// the executable's folder so two copies never alias by base name; the plain SDK is also
// searched for by name when the executable's folder has none. Throws as described above.
void* BindSdkEntry(std::string_view library, std::string_view entry);

int32_t GetVersionInfo();
IConfigInterface* NewConfig();
IConnectionInterface* NewConnection(IConfigInterface* config);
IESBMessage* NewESBMessage(int32_t kind);
IF2Packer* NewPacker(int32_t version);
IF2UnPacker* NewUnPacker(void* buffer, uint32_t length);
IESBMessage* NewESBMessageEx(int32_t kind, void* data, int32_t length, int32_t flags);
IF2UnPacker* NewUnPackerV1(void* buffer, uint32_t length);
int32_t Encode(char* output, const char* input, int32_t capacity);
int32_t GetPackVersion(const void* buffer);
CFilterInterface* NewFilter();
CSubscribeParamInterface* NewSubscribeParam();
int32_t GetRateBytes(int32_t* sent, int32_t* received);
int32_t ReSetRateBytes();
IESBMessage* NewBizMessage();
IESBMessage* NewBizMessageEx(int32_t kind);
int32_t GetNetWorkSpeed(const char* server, int32_t timeout, void* delay);
int32_t GetMultiNetWorkSpeed(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout);
IF2UnPacker* NewEmptyUnPacker(int32_t version);
// These two always come from the plain "ztsdk.dll".
IYJGMParam* NewYJGMParam();
int32_t SetCommCfgFile(const char* file_name);

}  // namespace ruzi
