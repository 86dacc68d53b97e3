// Without pubfunmodel.dll: every function of qxComm that logs raises the binding's error;
// what does not log still answers.
#include <gtest/gtest.h>

#include <functional>

#include "foundation/error.h"
#include "platform/dynamic_library.h"
#include "service/qx_comm.h"

namespace ruzi {
namespace {

TEST(PubfunAbsent, EveryLoggingFunctionRaises) {
  if (platform::DynamicLibrary::Loaded("pubfunmodel.dll").IsLoaded()) GTEST_SKIP() << "needs a process of its own";
  const std::vector<std::pair<const char*, std::function<void()>>> calls = {
      {"qxWriteLog(Level, Text)", [] { qxWriteLog(0, "x"); }},
      {"qxWriteLog(Level, Text, LogType)", [] { qxWriteLog(0, "x", ltPublic); }},
      {"qxWriteLog(Text)", [] { qxWriteLog("x"); }},
      {"qxWriteLog(Text, LogType)", [] { qxWriteLog("x", ltPublic); }},
      {"GetARServerFileName", [] { GetARServerFileName(); }},
      {"GetHQCfgFileName", [] { GetHQCfgFileName(); }},
  };
  for (const auto& [name, call] : calls) {
    try {
      call();
      ADD_FAILURE() << name << " did not raise";
    } catch (const Error& error) {
      EXPECT_STREQ(error.what(), "pubfunmodel.dll不存在") << name;
    }
  }
  EXPECT_NO_THROW(qxWriteLog("", "an empty option never writes"));
  EXPECT_FALSE(GetSpecialConfig(1));
}

}  // namespace
}  // namespace ruzi
