// This executable exports GetIsUseSM, as a host that chose the national ciphers does.
#include <gtest/gtest.h>

#include <atomic>

#include "security/encrypt_public.h"
#include "security/encrypt_switches.h"

namespace {

std::atomic<int> host_calls{0};

}  // namespace

#ifdef _WIN32
extern "C" __declspec(dllexport) int GetIsUseSM() {
#else
extern "C" __attribute__((visibility("default"))) int GetIsUseSM() {
#endif
  ++host_calls;
  return 1;
}

namespace ruzi {
namespace {

TEST(HostExport, AnswerIsAskedOnceAndChoosesSm4) {
  EXPECT_TRUE(is_use_sm());
  const std::string cipher = qxEncryptEx(2, "key", "password", etEncrypt);
  EXPECT_EQ(cipher, EncryptSM4(2, "key", "password", etEncrypt));
  EXPECT_EQ(qxDecryptEx(2, "key", cipher, etEncrypt), "password");
  EXPECT_EQ(host_calls.load(), 1);
}

}  // namespace
}  // namespace ruzi
