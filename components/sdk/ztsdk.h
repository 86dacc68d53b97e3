#pragma once
// The entries of ztsdk.dll, exported by name (see ztsdk_exports.cpp). Tests call the same
// functions natively and through GetProcAddress under Windows.
#include <cstdint>

#include "sdk_interfaces.h"

#ifdef _WIN32
#define ZTSDK_EXPORT extern "C" __declspec(dllexport)
#else
#define ZTSDK_EXPORT extern "C" __attribute__((visibility("default")))
#endif

using ruzi::sdk::IF2Packer;
using ruzi::sdk::IF2UnPacker;

ZTSDK_EXPORT int32_t GetVersionInfo();
ZTSDK_EXPORT void* NewConfig();
ZTSDK_EXPORT void* NewConnection(void* config);
ZTSDK_EXPORT void* NewESBMessage(int32_t kind);
ZTSDK_EXPORT IF2Packer* NewPacker(int32_t version);
ZTSDK_EXPORT IF2UnPacker* NewUnPacker(void* buffer, uint32_t length);
ZTSDK_EXPORT void* NewESBMessageEx(int32_t kind, void* data, int32_t length, int32_t flags);
ZTSDK_EXPORT IF2UnPacker* NewUnPackerV1(void* buffer, uint32_t length);
ZTSDK_EXPORT int32_t Encode(char* output, const char* input, int32_t capacity);
ZTSDK_EXPORT int32_t GetPackVersion(const void* buffer);
ZTSDK_EXPORT void* NewFilter();
ZTSDK_EXPORT void* NewSubscribeParam();
ZTSDK_EXPORT int32_t GetRateBytes(int32_t* sent, int32_t* received);
ZTSDK_EXPORT int32_t ReSetRateBytes();
ZTSDK_EXPORT void* NewBizMessage();
ZTSDK_EXPORT void* NewBizMessageEx(int32_t kind);
ZTSDK_EXPORT int32_t GetNetWorkSpeed(const char* server, int32_t timeout_ms, void* delay);
ZTSDK_EXPORT int32_t GetMultiNetWorkSpeed(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout_ms);
ZTSDK_EXPORT IF2UnPacker* NewEmptyUnPacker(int32_t version);
ZTSDK_EXPORT void* NewYJGMParam();
ZTSDK_EXPORT int32_t SetCommCfgFile(const char* file_name);
