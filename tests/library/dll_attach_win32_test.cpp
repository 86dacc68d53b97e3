// The real DLL under Wine: its exports, and what a failing start leaves behind.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/dynamic_library.h"

using ruzi::platform::DynamicLibrary;

namespace {

using VersionFn = const char*(__stdcall*)();
using ShutdownFn = void(__stdcall*)();
using StartErrorFn = int(__stdcall*)(char*, int);

TEST(LibraryDll, LoadsAndAnswersItsExports) {
  DynamicLibrary library = DynamicLibrary::LoadedOrLoad("ruzirareva.dll");
  ASSERT_TRUE(library.IsLoaded());
  auto version = library.ExportAs<VersionFn>("RuziVersion");
  auto shutdown = library.ExportAs<ShutdownFn>("RuziShutdown");
  ASSERT_NE(version, nullptr);
  ASSERT_NE(shutdown, nullptr);
  EXPECT_STREQ(version(), RUZI_VERSION);
  shutdown();
  shutdown();  // a second shutdown is harmless
  EXPECT_TRUE(library.OwnsHandle());
}

TEST(LibraryDll, FailingStartFailsTheAttachAndKeepsTheReason) {
  SetEnvironmentVariableA("RUZI_START_ERROR", nullptr);
  HMODULE failing = LoadLibraryA("failing_start.dll");
  EXPECT_EQ(failing, nullptr);
  char reason[256] = {};
  GetEnvironmentVariableA("RUZI_START_ERROR", reason, sizeof reason);
  EXPECT_STREQ(reason, "middleware binding: wtuxws32.dll not found");

  // A later load of the library reports the earlier failure.
  DynamicLibrary library = DynamicLibrary::LoadedOrLoad("ruzirareva.dll");
  ASSERT_TRUE(library.IsLoaded());
  auto last_error = library.ExportAs<StartErrorFn>("GetLastStartError");
  ASSERT_NE(last_error, nullptr);
  char buffer[16] = {};
  int length = last_error(buffer, sizeof buffer);
  EXPECT_EQ(length, static_cast<int>(std::string(reason).size()));
  EXPECT_EQ(std::string(buffer), std::string(reason).substr(0, sizeof buffer - 1));  // truncated, NUL kept
}

}  // namespace
