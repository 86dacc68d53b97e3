// In a folder without pubfunmodel.dll: "62409value" against the special files beside the
// executable (the names chosen, the special-configuration answers, and the log line of every
// choice, byte for byte, through the module loaded from bin\ first); and, in a process without
// the module, every function of qxComm that logs raises the binding's error while what does
// not log still answers.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <fstream>
#include <optional>

#include "foundation/error.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "pubfun_log_file.h"
#include "service/qx_comm.h"

namespace ruzi {
namespace {

using testing::LoggedLine;

struct Case {
  std::optional<std::string> value;  // nullopt: unset
  bool special;                      // the value asks for the special files
  bool special_config;               // GetSpecialConfig's answer when the files exist
};

const Case kCases[] = {
    {std::nullopt, false, false}, {"0", false, false}, {" 0 ", false, false},
    {"1", true, true},            {"-1", true, true},  {"2", true, false},
};

void SetSpecialFiles(bool present) {
  const std::string dir = platform::ExecutableDirectory();
  std::filesystem::create_directories(dir + "config");
  for (const std::string& file : {dir + "hqservercfg_special.xml", dir + "config\\server_special.ini"}) {
    if (present) {
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
  for (bool files : {false, true}) {
    SetSpecialFiles(files);
    for (const Case& c : kCases) {
      const std::string shown = c.value.value_or("(unset)") + (files ? " with files" : " without files");
      if (c.value) {
        platform::SetEnvironment("62409value", *c.value);
      } else {
        platform::UnsetEnvironment("62409value");
      }
      const bool special = files && c.special;
      const std::string ar = special ? "server_special.ini" : "server.ini";
      const std::string hq = special ? "hqservercfg_special.xml" : "hqservercfg.xml";
      EXPECT_EQ(GetARServerFileName(), ar) << shown;
      EXPECT_EQ(GetHQCfgFileName(), hq) << shown;
      EXPECT_EQ(GetSpecialConfig(0), files && c.special_config) << shown;
      EXPECT_EQ(GetSpecialConfig(1), files && c.special_config) << shown;
      EXPECT_FALSE(GetSpecialConfig(2)) << shown;
      expected.push_back({0, "获取AR站点配置文件:" + ar + " 62409value:" + c.value.value_or("")});
      expected.push_back({0, "获取行情配置文件:" + hq + " 62409value:" + c.value.value_or("")});
    }
  }
  // One file alone answers only for its own kind.
  platform::SetEnvironment("62409value", "1");
  std::filesystem::remove(platform::ExecutableDirectory() + "hqservercfg_special.xml");
  EXPECT_FALSE(GetSpecialConfig(0));
  EXPECT_TRUE(GetSpecialConfig(1));
  EXPECT_EQ(GetHQCfgFileName(), "hqservercfg.xml");
  expected.push_back({0, "获取行情配置文件:hqservercfg.xml 62409value:1"});
  SetSpecialFiles(false);
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
