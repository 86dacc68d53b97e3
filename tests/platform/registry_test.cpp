#include <gtest/gtest.h>

#include "platform/registry.h"

namespace ruzi::platform {
namespace {

constexpr const char* kTestKey = "Software\\RuziTest\\Registry";

TEST(Registry, OpenNeverCreates) {
  EXPECT_FALSE(RegistryKey::Open(RegistryRoot::CurrentUser, "Software\\RuziTest\\NoSuchKey\\Below").IsOpen());
  EXPECT_FALSE(RegistryKey::Open(RegistryRoot::CurrentUser, "Software\\RuziTest\\NoSuchKey\\Below").IsOpen());
  RegistryKey created = RegistryKey::OpenOrCreate(RegistryRoot::CurrentUser, kTestKey);
  ASSERT_TRUE(created.IsOpen());
  // Parents come into being with the child; a leading backslash and the case do not matter.
  EXPECT_TRUE(RegistryKey::Open(RegistryRoot::CurrentUser, "Software\\RuziTest").IsOpen());
  EXPECT_TRUE(RegistryKey::Open(RegistryRoot::CurrentUser, "\\SOFTWARE\\ruzitest\\registry").IsOpen());
  // The other root is another tree.
  EXPECT_FALSE(RegistryKey::Open(RegistryRoot::LocalMachine, kTestKey).IsOpen());
}

TEST(Registry, StringValuesRoundTripByteForByte) {
  RegistryKey key = RegistryKey::OpenOrCreate(RegistryRoot::CurrentUser, kTestKey);
  ASSERT_TRUE(key.WriteString("Plain", "Yes"));
  ASSERT_TRUE(key.WriteString("\xC3\xFB\xB3\xC6", "\xD6\xD0\xCE\xC4 text"));
  ASSERT_TRUE(key.WriteString("Empty", ""));
  RegistryKey again = RegistryKey::Open(RegistryRoot::CurrentUser, kTestKey);
  EXPECT_EQ(again.ReadString("plain"), "Yes");
  EXPECT_EQ(again.ReadString("\xC3\xFB\xB3\xC6"), "\xD6\xD0\xCE\xC4 text");
  EXPECT_EQ(again.ReadString("Empty"), "");
  EXPECT_EQ(again.ReadString("Missing"), std::nullopt);
  EXPECT_TRUE(key.DeleteValue("PLAIN"));
  EXPECT_FALSE(key.DeleteValue("Plain"));
  EXPECT_EQ(again.ReadString("Plain"), std::nullopt);
  key.DeleteValue("\xC3\xFB\xB3\xC6");
  key.DeleteValue("Empty");
}

TEST(Registry, ClosedKeyDoesNothing) {
  RegistryKey key;
  EXPECT_FALSE(key.IsOpen());
  EXPECT_EQ(key.ReadString("x"), std::nullopt);
  EXPECT_FALSE(key.WriteString("x", "y"));
  RegistryKey moved = RegistryKey::OpenOrCreate(RegistryRoot::CurrentUser, kTestKey);
  key = std::move(moved);
  EXPECT_TRUE(key.IsOpen());
  EXPECT_FALSE(moved.IsOpen());
}

}  // namespace
}  // namespace ruzi::platform
