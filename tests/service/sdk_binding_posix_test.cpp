// The SDK binding where no SDK exists (natively): the exact failures, and the GM type as the
// environment settles it. One test owns the GM type: it is cached for the process.
#include <gtest/gtest.h>

#include <functional>

#include "foundation/error.h"
#include "platform/environment.h"
#include "service/zt_sdk.h"

namespace ruzi {
namespace {

std::string FailureOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(SdkBinding, GMTypeSettlesOnTheFirstNumberFound) {
  platform::UnsetEnvironment("gm_type");
  EXPECT_EQ(GetGMType(), -1);
  EXPECT_EQ(FailureOf([] { NewPacker(2); }), "Library not found: ztsdk.dll");
  platform::SetEnvironment("gm_type", "x");
  EXPECT_EQ(GetGMType(), -1) << "not a number counts as unset";
  platform::SetEnvironment("gm_type", "2");
  EXPECT_EQ(GetGMType(), 2);
  EXPECT_EQ(FailureOf([] { NewUnPacker(nullptr, 0); }), "Library not found: xasj_gm\\ztsdk.dll");
  // Always the plain SDK; an entry that failed to bind is tried again on the next call.
  for (int i = 0; i < 2; ++i) EXPECT_EQ(FailureOf([] { NewYJGMParam(); }), "Library not found: ztsdk.dll");
  platform::SetEnvironment("gm_type", "1");
  EXPECT_EQ(GetGMType(), 2) << "settled";
  platform::UnsetEnvironment("gm_type");
}

}  // namespace
}  // namespace ruzi
