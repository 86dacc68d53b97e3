// The factories: each forwards to its entry, bound on first use.
#include "service/zt_sdk.h"
#include "service/zt_sdk_entries.h"

namespace ruzi {
namespace {

template <typename Result, typename... Args>
Result Forward(SdkEntry entry, Args... args) {
  using Fn = Result (*)(Args...);
  return reinterpret_cast<Fn>(SdkEntryAddress(entry))(args...);
}

}  // namespace

int32_t GetVersionInfo() { return Forward<int32_t>(SdkEntry::GetVersionInfo); }
IConfigInterface* NewConfig() { return Forward<IConfigInterface*>(SdkEntry::NewConfig); }
IConnectionInterface* NewConnection(IConfigInterface* config) {
  return Forward<IConnectionInterface*>(SdkEntry::NewConnection, config);
}
IESBMessage* NewESBMessage(int32_t kind) { return Forward<IESBMessage*>(SdkEntry::NewESBMessage, kind); }
IF2Packer* NewPacker(int32_t version) { return Forward<IF2Packer*>(SdkEntry::NewPacker, version); }
IF2UnPacker* NewUnPacker(void* buffer, uint32_t length) {
  return Forward<IF2UnPacker*>(SdkEntry::NewUnPacker, buffer, length);
}
IESBMessage* NewESBMessageEx(int32_t kind, void* data, int32_t length, int32_t flags) {
  return Forward<IESBMessage*>(SdkEntry::NewESBMessageEx, kind, data, length, flags);
}
IF2UnPacker* NewUnPackerV1(void* buffer, uint32_t length) {
  return Forward<IF2UnPacker*>(SdkEntry::NewUnPackerV1, buffer, length);
}
int32_t Encode(char* output, const char* input, int32_t capacity) {
  return Forward<int32_t>(SdkEntry::Encode, output, input, capacity);
}
int32_t GetPackVersion(const void* buffer) { return Forward<int32_t>(SdkEntry::GetPackVersion, buffer); }
CFilterInterface* NewFilter() { return Forward<CFilterInterface*>(SdkEntry::NewFilter); }
CSubscribeParamInterface* NewSubscribeParam() { return Forward<CSubscribeParamInterface*>(SdkEntry::NewSubscribeParam); }
int32_t GetRateBytes(int32_t* sent, int32_t* received) {
  return Forward<int32_t>(SdkEntry::GetRateBytes, sent, received);
}
int32_t ReSetRateBytes() { return Forward<int32_t>(SdkEntry::ReSetRateBytes); }
IESBMessage* NewBizMessage() { return Forward<IESBMessage*>(SdkEntry::NewBizMessage); }
IESBMessage* NewBizMessageEx(int32_t kind) { return Forward<IESBMessage*>(SdkEntry::NewBizMessageEx, kind); }
int32_t GetNetWorkSpeed(const char* server, int32_t timeout, void* delay) {
  return Forward<int32_t>(SdkEntry::GetNetWorkSpeed, server, timeout, delay);
}
int32_t GetMultiNetWorkSpeed(IF2UnPacker* request, IF2Packer* answer, uint32_t timeout) {
  return Forward<int32_t>(SdkEntry::GetMultiNetWorkSpeed, request, answer, timeout);
}
IF2UnPacker* NewEmptyUnPacker(int32_t version) { return Forward<IF2UnPacker*>(SdkEntry::NewEmptyUnPacker, version); }
IYJGMParam* NewYJGMParam() { return Forward<IYJGMParam*>(SdkEntry::NewYJGMParam); }
int32_t SetCommCfgFile(const char* file_name) { return Forward<int32_t>(SdkEntry::SetCommCfgFile, file_name); }

}  // namespace ruzi
