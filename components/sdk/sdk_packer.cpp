#include "sdk_packer.h"

#include "foundation/error.h"

namespace ruzi::sdk {

SdkPacker::~SdkPacker() {
  if (reader_ == nullptr) return;
  reader_->Close();  // a caller still holding it finds an empty packet, not freed memory
  reader_->Release();
}

void SdkPacker::Changing() {
  if (reader_ != nullptr) reader_->Close();
}

void SdkPacker::Reserve(int32_t bytes) {
  if (bytes <= 0) return;
  Changing();
  writer_.Reserve(static_cast<size_t>(bytes));
}

void SdkPacker::StartPack() {
  Changing();
  writer_.Start();
}

int32_t SdkPacker::DefineField(const char* name, char type, int32_t width, int32_t scale) {
  Changing();
  return Answer(writer_.DefineField(name == nullptr ? "" : name, type, width, scale));
}

int32_t SdkPacker::PutStr(const char* value) {
  Changing();
  return Answer(writer_.PutText(value == nullptr ? "" : value));
}

int32_t SdkPacker::PutInt(int32_t value) {
  Changing();
  return Answer(writer_.PutInt(value));
}

int32_t SdkPacker::PutDouble(double value) {
  Changing();
  return Answer(writer_.PutDouble(value));
}

int32_t SdkPacker::PutChar(char value) {
  Changing();
  return Answer(writer_.PutChar(value));
}

int32_t SdkPacker::PutRaw(const void* data, int32_t length) {
  Changing();
  if (length < 0) return -1;
  return Answer(writer_.PutRaw(data, static_cast<size_t>(length)));
}

void SdkPacker::SetReturnCode(int32_t code) {
  Changing();
  writer_.SetReturnCode(code);
}

void SdkPacker::FinishPack() {
  Changing();
  writer_.Finish();
}

IF2UnPacker* SdkPacker::OpenAsReader() {
  writer_.Finish();  // a partly filled row would make the bytes unreadable
  if (reader_ == nullptr) reader_ = SdkUnPacker::Unopened();
  try {
    reader_->Open(writer_.Data(), writer_.Size());
  } catch (const Error&) {
    return nullptr;  // not reachable for a packet we wrote; an empty reader would hide a fault
  }
  return reader_;
}

void SdkPacker::ReleaseBuffer(void* buffer) {
  if (buffer == nullptr || buffer != writer_.Data()) return;
  Changing();
  writer_.Release();
}

}  // namespace ruzi::sdk
