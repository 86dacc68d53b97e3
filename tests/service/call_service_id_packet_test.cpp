// The local failures of a function-number call: exact texts, the wrapping, and a reader the
// caller holds left alone. The middleware client is not bound in this process, so the text
// buffer cannot be allocated either.
#include <gtest/gtest.h>

#include "service/call_service_id_packet.h"
#include "service/sdk_packer_calls.h"
#include "service/tuxedo_entries.h"

namespace ruzi {
namespace {

TEST(CallServiceIdPacket, LocalFailuresTable) {
  ASSERT_EQ(_tpalloc, nullptr);
  // Never dereferenced: every failure here comes before the packer is used.
  int placeholder = 0;
  auto* packer = reinterpret_cast<IF2Packer*>(&placeholder);
  auto* held = reinterpret_cast<IF2UnPacker*>(&placeholder);
  struct Case {
    int32_t func_no;
    IF2Packer* packer;
    bool xml_error;
    const char* message;
  };
  const Case cases[] = {
      {0, packer, false, "功能号不正确:[0]"},
      {-5, packer, false, "功能号不正确:[-5]"},
      {-5, nullptr, true, "<ErrCode>-2</ErrCode><ErrMsg>功能号不正确:[-5]</ErrMsg>"},
      {9101, nullptr, false, "传入的数据包能为空!"},
      {9101, nullptr, true, "<ErrCode>-2</ErrCode><ErrMsg>传入的数据包能为空!</ErrMsg>"},
      {9101, packer, false, "内存分配失败(tpalloc)!错误号:0"},
      {9101, packer, true, "<ErrCode>-2</ErrCode><ErrMsg>内存分配失败(tpalloc)!错误号:0</ErrMsg>"},
  };
  for (const Case& c : cases) {
    IF2UnPacker* reader = held;
    std::string message = "before";
    EXPECT_EQ(CallServiceId(c.func_no, c.packer, reader, message, 30000, c.xml_error, true), -2) << c.message;
    EXPECT_EQ(message, c.message);
    EXPECT_EQ(reader, held) << "a failed call keeps the caller's reader";
  }
}

TEST(CallServiceIdPacket, NilObjectsNeedNoSdk) {
  EXPECT_EQ(GetUnPacker(nullptr, 100), nullptr);
  FreePacker(nullptr);
  FreeUnPacker(nullptr);
}

}  // namespace
}  // namespace ruzi
