// In a folder without pubfunmodel.dll: "62409value" against the special files beside the
// executable (the names chosen, the special-configuration answers, and the log line of every
// choice, byte for byte, through the module loaded from bin\ first); and, in a process without
// the module, every function of qxComm that logs raises the binding's error while what does
// not log still answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>

#include "foundation/error.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "pubfun_log_file.h"
#include "service/qx_comm.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using testing::LoggedLine;

// "none", "both", or "server" (config\server_special.ini alone).
void SetSpecialFiles(const std::string& which) {
  const std::string dir = platform::ExecutableDirectory();
  std::filesystem::create_directories(dir + "config");
  for (const std::string& file : {dir + "hqservercfg_special.xml", dir + "config\\server_special.ini"}) {
    if (which == "both" || (which == "server" && file.ends_with(".ini"))) {
      std::ofstream(file) << "special";
    } else {
      std::filesystem::remove(file);
    }
  }
}

TEST(ConfigFileChoice, SixValuesWithAndWithoutTheSpecialFiles) {
  platform::DynamicLibrary module = testing::PreloadPubfun("..\\pubfunmodel.dll");
  if (!module.IsLoaded()) GTEST_SKIP() << "needs a process of its own";
  testing::RemovePubfunLogs();
  std::vector<LoggedLine> expected;
  for (const testing::VectorCase& v : testing::ReadVectors("pfm_config_choices.txt")) {
    const std::string value = v.at(0) == "(unset)" ? "" : v[0], shown = v[0] + " with " + v[1];
    SetSpecialFiles(v[1]);
    if (v[0] == "(unset)") platform::UnsetEnvironment("62409value");
    else platform::SetEnvironment("62409value", value);
    EXPECT_EQ(GetARServerFileName(), v.at(2)) << shown;
    EXPECT_EQ(GetHQCfgFileName(), v.at(3)) << shown;
    EXPECT_EQ(testing::Num(GetSpecialConfig(0)), v.at(4)) << shown;
    EXPECT_EQ(testing::Num(GetSpecialConfig(1)), v.at(5)) << shown;
    EXPECT_FALSE(GetSpecialConfig(2)) << shown;
    expected.push_back({0, "获取AR站点配置文件:" + v[2] + " 62409value:" + value});
    expected.push_back({0, "获取行情配置文件:" + v[3] + " 62409value:" + value});
  }
  SetSpecialFiles("none");
  platform::UnsetEnvironment("62409value");
  EXPECT_EQ(testing::DrainedPubfunLines(), expected);
}

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
