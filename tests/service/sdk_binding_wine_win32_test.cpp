// ztsdk.dll bound by the library under Wine: each factory binds from the copy the GM type
// names at its first call and stays there; the failures name the library and the entry.
#include <windows.h>

#include <gtest/gtest.h>

#include "foundation/error.h"
#include "platform/environment.h"
#include "service/zt_sdk.h"

namespace ruzi {
namespace {

// The file of the module whose code made the object (its table of operations lives there).
std::string MakerOf(const void* object) {
  HMODULE module = nullptr;
  const void* table = *static_cast<void* const*>(object);
  if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          static_cast<LPCSTR>(table), &module)) {
    return "";
  }
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
  std::string text(path, length);
  for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return text;
}

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(SdkBindingWine, EntriesStayWithTheCopyTheyWereBoundFrom) {
  platform::UnsetEnvironment("gm_type");
  IF2Packer* early = NewPacker(2);
  ASSERT_NE(early, nullptr);
  const std::string plain = MakerOf(early);
  EXPECT_TRUE(EndsWith(plain, "\\ztsdk.dll")) << plain;
  EXPECT_EQ(plain.find("_gm\\"), std::string::npos) << plain;

  platform::SetEnvironment("gm_type", "1");
  IF2UnPacker* late = NewEmptyUnPacker(2);
  ASSERT_NE(late, nullptr);
  EXPECT_TRUE(EndsWith(MakerOf(late), "\\geer_gm\\ztsdk.dll")) << MakerOf(late);
  EXPECT_EQ(GetVersionInfo(), 0x02010001) << "bound after the type was set";

  IF2Packer* again = NewPacker(1);
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(MakerOf(again), plain) << "an entry once bound is never re-bound";
  // The two copies really are two modules, each with its own objects.
  EXPECT_NE(MakerOf(late), plain);
  for (IRefCounted* object : std::initializer_list<IRefCounted*>{early, late, again}) {
    EXPECT_EQ(object->Release(), 0u);
  }
  platform::UnsetEnvironment("gm_type");
}

TEST(SdkBindingWine, XasjCopyAndExactFailures) {
  platform::SetEnvironment("gm_type", "2");
  EXPECT_EQ(GetVersionInfo(), 0x02010002);
  EXPECT_EQ(SetCommCfgFile("server.ini"), 0) << "from the plain copy whatever the type";
  platform::UnsetEnvironment("gm_type");

  auto failure = [](std::string_view library, std::string_view entry) {
    try {
      BindSdkEntry(library, entry);
    } catch (const Error& error) {
      return std::string(error.what());
    }
    return std::string("(bound)");
  };
  EXPECT_EQ(failure("ztsdk.dll", "NoSuchEntry"), "Function not found: ztsdk.dll.NoSuchEntry");
  EXPECT_EQ(failure("xasj_gm\\ztsdk.dll", "newpacker"), "Function not found: xasj_gm\\ztsdk.dll.newpacker");
  EXPECT_EQ(failure("none_gm\\ztsdk.dll", "NewPacker"), "Library not found: none_gm\\ztsdk.dll");
  EXPECT_EQ(failure("ztsdk.dll", "NewPacker"), "(bound)");
}

}  // namespace
}  // namespace ruzi
