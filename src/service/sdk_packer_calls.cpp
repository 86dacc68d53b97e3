#include "service/sdk_packer_calls.h"

#include "platform/process_heap.h"
#include "service/zt_sdk.h"

namespace ruzi {

IF2Packer* GetPacker(int32_t Version) {
  IF2Packer* packer = NewPacker(Version);
  if (packer != nullptr) packer->StartPack();
  return packer;
}

void FreePacker(IF2Packer* Packer) {
  if (Packer == nullptr) return;
  Packer->ReleaseBuffer(Packer->PackBuffer());
  Packer->Release();
}

IF2UnPacker* GetUnPacker(void* Buffer, int32_t Length) {
  if (Buffer == nullptr) return nullptr;
  const auto length = static_cast<uint32_t>(Length);
  return GetPackVersion(Buffer) == 1 ? NewUnPackerV1(Buffer, length) : NewUnPacker(Buffer, length);
}

void FreeUnPacker(IF2UnPacker* UnPacker) {
  if (UnPacker == nullptr) return;
  platform::ProcessHeapFree(UnPacker->ReaderBuffer());
  UnPacker->Release();
}

}  // namespace ruzi
