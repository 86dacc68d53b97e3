// The shared log through pubfunmodel.dll: each form of qxWriteLog reaches the module's file
// with its level and text, the library's shutdown drains the module, and builds lacking one
// export take the fall-back or raise.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "foundation/error.h"
#include "platform/paths.h"
#include "pubfun_log_file.h"
#include "ruzirareva/library.h"
#include "service/pubfun_log_binding.h"
#include "service/qx_comm.h"

namespace ruzi {
namespace {

using testing::LoggedLine;
using testing::LoggedLines;
using testing::PubfunLogFile;

class PubfunLog : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::RemovePubfunLogs();
    ASSERT_EQ(RuziStart(), 1);
  }
  // The library's shutdown has the module write out its lines.
  static std::vector<LoggedLine> LinesAfterShutdown(const std::string& sub_name = "") {
    RuziShutdown();
    return LoggedLines(PubfunLogFile(sub_name));
  }
};

TEST_F(PubfunLog, EveryFormWritesItsLevelAndTextUntilTheShutdown) {
  const std::string ini = platform::ExecutablePath().substr(0, platform::ExecutablePath().size() - 4) + ".ini";
  std::ofstream(ini, std::ios::binary) << "[WriteLog]\r\nDebugOption=trade,risk\r\n";
  qxWriteLog(3, "三级");
  qxWriteLog(2, "二级 区域", ltPublic);
  qxWriteLog("零级");
  qxWriteLog("零级 区域", ltMemData);
  qxWriteLog("risk", "选项在列");
  qxWriteLog("cash", "选项不在列");
  qxWriteLog("", "空选项");
  qxWriteLog(std::string("trade"), std::string(" 首尾空白 "));
  std::filesystem::remove(ini);
  qxWriteLog("risk", "没有INI文件");
  auto sub_entry = platform::DynamicLibrary::Borrow(PubFunModule()).ExportAs<PubFunWriteLog>("qxwritelog");
  sub_entry("子文件的一行", "sub", 1);

  const std::vector<LoggedLine> expected = {
      {3, "三级"}, {2, "二级 区域"}, {0, "零级"}, {0, "零级 区域"}, {0, "选项在列"}, {0, " 首尾空白 "}};
  EXPECT_EQ(LinesAfterShutdown(), expected);
  EXPECT_EQ(LoggedLines(PubfunLogFile("sub")), (std::vector<LoggedLine>{{1, "子文件的一行"}}))
      << "a non-empty second argument is the writer's sub-name";
  qxWriteLog(0, "关闭之后");
  EXPECT_EQ(LoggedLines(PubfunLogFile()), expected) << "lines after the shutdown are dropped";
}

TEST_F(PubfunLog, WithoutQxwritelogNewTheTypedFormFallsBack) {
  platform::DynamicLibrary variant = testing::PreloadPubfun("pubfun-variants\\without_new\\pubfunmodel.dll");
  if (!variant.IsLoaded()) GTEST_SKIP() << "another pubfunmodel.dll is already bound in this process";
  qxWriteLog(4, "回落到qxwritelog", ltPublic);
  qxWriteLog("零级回落", ltPublic);
  EXPECT_EQ(LinesAfterShutdown(), (std::vector<LoggedLine>{{4, "回落到qxwritelog"}, {0, "零级回落"}}));
}

TEST_F(PubfunLog, WithoutQxwritelogOnlyTheTypedFormWrites) {
  platform::DynamicLibrary variant = testing::PreloadPubfun("pubfun-variants\\without_writelog\\pubfunmodel.dll");
  if (!variant.IsLoaded()) GTEST_SKIP() << "another pubfunmodel.dll is already bound in this process";
  qxWriteLog(1, "经qxwritelogNew", ltPublic);
  for (auto write : {+[] { qxWriteLog(1, "丢"); }, +[] { qxWriteLog("丢"); }}) {
    try {
      write();
      ADD_FAILURE() << "no error without qxwritelog";
    } catch (const Error& error) {
      EXPECT_STREQ(error.what(), "qxwritelog函数不存在.");
    }
  }
  EXPECT_EQ(LinesAfterShutdown(), (std::vector<LoggedLine>{{1, "经qxwritelogNew"}}));
}

}  // namespace
}  // namespace ruzi
