// The profile rules must give the same results natively and under Windows.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/ini_file.h"
#include "test_paths.h"

namespace ruzi::platform {
namespace {

std::string WriteFile(const std::string& name, const std::string& text) {
  std::string path = testing::FreshTestFolder("ini_" + name) + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(IniFile, ReadsWithProfileRules) {
  std::string path = WriteFile("read.ini",
                               "[Other]\r\nKey=wrong\r\n"
                               "[ Server ]\r\n"
                               "  Address =  10.0.0.1:7000  \r\n"
                               "Quoted=\"  spaced  \"\r\n"
                               "Chinese=交易\r\n"
                               "Empty=\r\n");
  EXPECT_EQ(ReadIniString(path, "server", "address", "x"), "10.0.0.1:7000");
  EXPECT_EQ(ReadIniString(path, "SERVER", "Quoted", "x"), "  spaced  ");
  EXPECT_EQ(ReadIniString(path, "Server", "Chinese", "x"), "交易");
  EXPECT_EQ(ReadIniString(path, "Server", "Empty", "x"), "");
  EXPECT_EQ(ReadIniString(path, "Server", "Missing", "fallback"), "fallback");
  EXPECT_EQ(ReadIniString(path, "Nowhere", "Key", "fallback"), "fallback");
  EXPECT_EQ(ReadIniString(path + ".absent", "Server", "Address", "d"), "d");
}

TEST(IniFile, ReadsIntegersInDecimalAndHex) {
  std::string path = WriteFile("int.ini", "[N]\r\nA=42\r\nB=-7\r\nC=$1F\r\nD=0x10\r\nE=12abc\r\nF=\r\n");
  EXPECT_EQ(ReadIniInteger(path, "N", "A", 0), 42);
  EXPECT_EQ(ReadIniInteger(path, "N", "B", 0), -7);
  EXPECT_EQ(ReadIniInteger(path, "N", "C", 0), 31);
  EXPECT_EQ(ReadIniInteger(path, "N", "D", 0), 16);
  EXPECT_EQ(ReadIniInteger(path, "N", "E", 5), 5);
  EXPECT_EQ(ReadIniInteger(path, "N", "F", 6), 6);
  EXPECT_EQ(ReadIniInteger(path, "N", "Missing", -1), -1);
}

TEST(IniFile, WritesReplaceAddAndCreate) {
  std::string path = testing::FreshTestFolder("ini_write") + "new.ini";
  ASSERT_TRUE(WriteIniString(path, "Log", "Level", "3"));
  ASSERT_TRUE(WriteIniString(path, "Log", "Path", "Logs"));
  ASSERT_TRUE(WriteIniString(path, "Other", "Key", "v"));
  ASSERT_TRUE(WriteIniString(path, "LOG", "level", "5"));
  EXPECT_EQ(ReadIniString(path, "Log", "Level", ""), "5");
  EXPECT_EQ(ReadIniString(path, "Log", "Path", ""), "Logs");
  EXPECT_EQ(ReadIniString(path, "Other", "Key", ""), "v");
  EXPECT_EQ(ReadIniKeys(path, "Log"), (std::vector<std::string>{"Level", "Path"}));
  EXPECT_EQ(ReadIniKeys(path, ""), (std::vector<std::string>{"Log", "Other"}));
}

}  // namespace
}  // namespace ruzi::platform
