#pragma once
// IF2Packer over the packet writer. The reader OpenAsReader hands out belongs to the packer:
// the packer keeps it, closes it whenever the packet changes (its bytes may move), and
// closes and releases it when the packer goes.
#include "ref_counted_object.h"
#include "sdk_unpacker.h"
#include "packets/sdk_packet/sdk_packet_writer.h"

namespace ruzi::sdk {

class SdkPacker final : public RefCountedObject<SdkPacker, IF2Packer, kPackerInterfaceId> {
 public:
  explicit SdkPacker(int version) : writer_(version) {}

  void Reserve(int32_t bytes) override;
  void StartPack() override;
  int32_t Version() override { return writer_.Version(); }
  int32_t DefineField(const char* name, char type, int32_t width, int32_t scale) override;
  int32_t PutStr(const char* value) override;
  int32_t PutInt(int32_t value) override;
  int32_t PutDouble(double value) override;
  int32_t PutChar(char value) override;
  int32_t PutRaw(const void* data, int32_t length) override;
  void FinishPack() override;
  void* PackBuffer() override { return writer_.MutableData(); }
  int32_t PackLength() override { return static_cast<int32_t>(writer_.Size()); }
  int32_t BufferCapacity() override { return static_cast<int32_t>(writer_.Capacity()); }
  void SetReturnCode(int32_t code) override;
  const char* ErrorText() override { return writer_.LastError().c_str(); }
  IF2UnPacker* OpenAsReader() override;
  void ReleaseBuffer(void* buffer) override;

  const PacketWriter& Writer() const { return writer_; }

 private:
  friend RefCountedObject;
  ~SdkPacker();
  void Changing();
  static int32_t Answer(bool done) { return done ? 0 : -1; }

  PacketWriter writer_;
  SdkUnPacker* reader_ = nullptr;
};

}  // namespace ruzi::sdk
