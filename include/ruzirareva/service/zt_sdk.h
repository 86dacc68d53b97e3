#pragma once
// The middleware SDK (ztsdk.dll), loaded at run time and never linked. Each factory binds its
// entry on its first call, from the copy of the SDK the GM type chooses at that moment, and
// forwards the call unchanged; an entry once bound stays bound where it was. A library or an
// entry that cannot be found throws ruzi::Error "Library not found: <library>" or
// "Function not found: <library>.<entry>". Any thread may call the factories; two threads binding
// one entry at once store the same address.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/service/zt_sdk_interfaces.h"

namespace ruzi {

// The national-cipher build in use: 1 "geer_gm", 2 "xasj_gm", anything else the plain SDK.
// While the cached type is -1 each call reads "gm_type" from the environment (-1 when empty
// or not a number), so it settles on the first call that finds the variable set.
RUZI_API int32_t GetGMType();

// "geer_gm\ztsdk.dll" for 1, "xasj_gm\ztsdk.dll" for 2, else "ztsdk.dll".
RUZI_API const char* SdkLibraryName(int32_t gm_type);

// The address of `entry` in `library` (a name from SdkLibraryName), loaded by full path from
// the executable's folder so two copies never alias by base name; the plain SDK is also
// searched for by name when the executable's folder has none. Throws as described above.
RUZI_API void* BindSdkEntry(std::string_view library, std::string_view entry);

RUZI_API int32_t GetVersionInfo();
RUZI_API IConfigInterface* NewConfig();
RUZI_API IConnectionInterface* NewConnection(IConfigInterface* config);
RUZI_API IESBMessage* NewESBMessage(int32_t kind);
RUZI_API IF2Packer* NewPacker(int32_t version);
RUZI_API IF2UnPacker* NewUnPacker(void* buffer, uint32_t length);
RUZI_API IESBMessage* NewESBMessageEx(int32_t kind, void* data, int32_t length, int32_t flags);
RUZI_API IF2UnPacker* NewUnPackerV1(void* buffer, uint32_t length);
RUZI_API int32_t Encode(char* output, const char* input, int32_t capacity);
RUZI_API int32_t GetPackVersion(const void* buffer);
RUZI_API CFilterInterface* NewFilter();
RUZI_API CSubscribeParamInterface* NewSubscribeParam();
RUZI_API int32_t GetRateBytes(int32_t* sent, int32_t* received);
RUZI_API int32_t ReSetRateBytes();
RUZI_API IESBMessage* NewBizMessage();
RUZI_API IESBMessage* NewBizMessageEx(int32_t kind);
RUZI_API int32_t GetNetWorkSpeed(const char* server, int32_t timeout, void* delay);
RUZI_API int32_t GetMultiNetWorkSpeed(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout);
RUZI_API IF2UnPacker* NewEmptyUnPacker(int32_t version);
// These two always come from the plain "ztsdk.dll".
RUZI_API IYJGMParam* NewYJGMParam();
RUZI_API int32_t SetCommCfgFile(const char* file_name);

}  // namespace ruzi
