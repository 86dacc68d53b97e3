#include "service/call_service_id_packet.h"

#include "platform/process_heap.h"
#include "service/middleware_buffer.h"
#include "service/reply_convention.h"
#include "service/sdk_packer_calls.h"
#include "service/tuxedo_entries.h"

namespace ruzi {
namespace {

constexpr int32_t kTextBufferSize = 1024;
// Asks the client for the reply as one process-heap block, which the reader's release frees.
constexpr int32_t kReplyOnProcessHeap = 1;

// The call's message text, released with tpfreeEx on every way out.
class TextBuffer {
 public:
  TextBuffer() : data_(tpalloc("STRING", nullptr, kTextBufferSize)) {}
  ~TextBuffer() {
    if (data_ != nullptr) tpfreeEx(data_, length_);
  }
  TextBuffer(const TextBuffer&) = delete;
  TextBuffer& operator=(const TextBuffer&) = delete;

  explicit operator bool() const { return data_ != nullptr; }
  char** address() { return &data_; }
  int32_t* length() { return &length_; }
  std::string Text() const { return data_ != nullptr ? std::string(data_) : std::string(); }

 private:
  char* data_;
  int32_t length_ = 0;
};

// A reader over the reply, which then owns its block; a reply no reader can read is freed.
IF2UnPacker* ReaderOwningReply(char* reply, int32_t length) {
  IF2UnPacker* reader = nullptr;
  try {
    reader = GetUnPacker(reply, length);
  } catch (...) {
    platform::ProcessHeapFree(reply);
    throw;
  }
  if (reader == nullptr) platform::ProcessHeapFree(reply);
  return reader;
}

}  // namespace

int32_t CallServiceId(int32_t FuncNo, IF2Packer* Packer, IF2UnPacker*& UnPacker, std::string& ErrMsg,
                      int32_t TimeOut, bool XmlError, bool Flag) {
  auto finish = [&](int32_t result) {
    if (XmlError) ErrMsg = WrapError(result, ErrMsg);
    return result;
  };
  if (FuncNo <= 0) {
    ErrMsg = "功能号不正确:[" + std::to_string(FuncNo) + "]";
    return finish(kCallLocalFailure);
  }
  if (Packer == nullptr) {
    ErrMsg = "传入的数据包能为空!";
    return finish(kCallLocalFailure);
  }
  TextBuffer text;
  if (!text) {
    ErrMsg = AllocationFailureMessage();
    return finish(kCallLocalFailure);
  }
  if (_tpcallSvrIdEx == nullptr) {
    ErrMsg = "客户端不支持按功能号调用(tpcallSvrIdEx): 执行目录下没有wtuxws32.dll";
    return finish(kCallLocalFailure);
  }
  char* reply = nullptr;
  int32_t reply_length = 0;
  const int32_t status =
      _tpcallSvrIdEx(FuncNo, Packer->PackBuffer(), Packer->PackLength(), &reply, &reply_length, text.address(),
                     text.length(), kReplyOnProcessHeap, TimeOut, Flag ? 1 : 0);
  if (status == 0) {
    FreeUnPacker(UnPacker);
    UnPacker = nullptr;
    UnPacker = ReaderOwningReply(reply, reply_length);
    ErrMsg = "功能号调用(tpcall:" + std::to_string(FuncNo) + ")!\r\n" + "返回信息:" + text.Text();
  } else {
    ErrMsg = text.Text();
  }
  return finish(status);
}

}  // namespace ruzi
