// The real DLL under Wine: its exports, and what a failing start leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/dynamic_library.h"

using ruzi::platform::DynamicLibrary;

namespace {

TEST(LibraryDll, AnswersItsExportsAndReportsAnEarlierFailedStart) {
  SetEnvironmentVariableA("RUZI_START_ERROR", nullptr);
  EXPECT_EQ(LoadLibraryA("failing_start.dll"), nullptr);
  char reason[256] = {};
  GetEnvironmentVariableA("RUZI_START_ERROR", reason, sizeof reason);
  EXPECT_STREQ(reason, "middleware binding: wtuxws32.dll not found");

  DynamicLibrary library = DynamicLibrary::LoadedOrLoad("ruzirareva.dll");
  ASSERT_TRUE(library.IsLoaded());
  auto version = library.ExportAs<const char*(__stdcall*)()>("RuziVersion");
  auto shutdown = library.ExportAs<void(__stdcall*)()>("RuziShutdown");
  auto last_error = library.ExportAs<int(__stdcall*)(char*, int)>("GetLastStartError");
  ASSERT_TRUE(version && shutdown && last_error);
  EXPECT_STREQ(version(), RUZI_VERSION);
  // The later load reports the earlier failure, cut to the buffer with its NUL kept.
  char buffer[16] = {};
  EXPECT_EQ(last_error(buffer, sizeof buffer), static_cast<int>(std::string(reason).size()));
  EXPECT_EQ(std::string(buffer), std::string(reason).substr(0, sizeof buffer - 1));
  shutdown();
  shutdown();  // a second shutdown is harmless
  EXPECT_TRUE(library.OwnsHandle());
}

}  // namespace
