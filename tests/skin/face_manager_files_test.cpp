// Which face library the client picks: "FaceDllName", then the last user's history file and
// INI entry. The files lie beside this test's executable (its own folder), as the client's do.
#include <gtest/gtest.h>

#include <filesystem>

#include "error_text.h"
#include "platform/environment.h"
#include "platform/file_delete.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/skin/face_manager.h"

namespace ruzi {
namespace {

class FaceDllNameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(platform::ExecutableDirectory() + "config");
    Clean();
  }
  void TearDown() override { Clean(); }

  static std::string Base() {
    const std::string path = platform::ExecutablePath();
    std::string name = path.substr(platform::DirectoryOf(path).size());
    return name.substr(0, name.rfind('.') == std::string::npos ? name.size() : name.rfind('.'));
  }
  static std::string Xml() { return platform::ExecutableDirectory() + "config/" + Base() + ".xml"; }
  static std::string BakXml() { return platform::ExecutableDirectory() + "config/" + Base() + ".bak.xml"; }
  static std::string Ini() {
    const std::string program = platform::ExecutablePath();
    return program.substr(0, program.size() - 4) + ".ini";
  }
  static void Write(const std::string& path, const std::string& text) {
    ASSERT_TRUE(platform::SystemFileSystem().WriteWholeFile(path, text));
  }
  static void History(const std::string& user_attribute) {
    Write(Xml(), "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<config><history><userid " + user_attribute +
                     "/></history></config>\n");
  }
  static void Clean() {
    for (const std::string& path : {Xml(), BakXml(), Ini()}) platform::DeleteFileAt(path);
    platform::UnsetEnvironment("FaceDllName");
  }
  static bool BakLeft() { return platform::SystemFileSystem().FileExists(BakXml()); }
};

TEST_F(FaceDllNameTest, OnlyATrimmedMinusOneLooksTheNameUp) {
  History("lastuser=\"admin\"");
  Write(Ini(), "[skintype]\nadminskintype=face_black.dll\n");
  EXPECT_EQ(GetFaceDllName(), "");  // unset: the empty name, no lookup
  const char* kept[] = {" x ", "-1x", "- 1", "Face.DLL"};
  for (const char* value : kept) {
    platform::SetEnvironment("FaceDllName", value);
    EXPECT_EQ(GetFaceDllName(), value);
    EXPECT_EQ(platform::GetEnvironment("FaceDllName"), value) << "a set name is not rewritten";
  }
  for (const char* value : {"-1", " -1 ", "\t-1"}) {
    platform::SetEnvironment("FaceDllName", value);
    EXPECT_EQ(GetFaceDllName(), "face_black.dll") << value;
  }
}

TEST_F(FaceDllNameTest, NameKeepsItsCaseAndTheEnvironmentGetsItLowered) {
  History("lastuser=\"Admin\"");
  Write(Ini(), "[SkinType]\nADMINSKINTYPE=  Face_Black.DLL  \n");
  platform::SetEnvironment("FaceDllName", "-1");
  EXPECT_EQ(GetFaceDllName(), "Face_Black.DLL");
  EXPECT_EQ(platform::GetEnvironment("FaceDllName"), "face_black.dll");
  EXPECT_FALSE(BakLeft());
  // A second module of the process: the environment alone answers, the files are not read.
  Clean();
  platform::SetEnvironment("FaceDllName", "face_black.dll");
  EXPECT_EQ(GetFaceDllName(), "face_black.dll");
}

TEST_F(FaceDllNameTest, FallsBackToFaceDll) {
  platform::SetEnvironment("FaceDllName", "-1");
  EXPECT_EQ(GetFaceDllName(), "face.dll") << "no history file";
  History("lastuser=\"admin\"");
  platform::SetEnvironment("FaceDllName", "-1");
  EXPECT_EQ(GetFaceDllName(), "face.dll") << "no INI entry for the user";
  History("other=\"admin\"");
  Write(Ini(), "[skintype]\nskintype=face_black.dll\n");
  platform::SetEnvironment("FaceDllName", "-1");
  EXPECT_EQ(GetFaceDllName(), "face.dll") << "no last user: the user's key is not looked up";
  EXPECT_EQ(GetLastLoginUser(), "");
  EXPECT_FALSE(BakLeft());
}

TEST_F(FaceDllNameTest, Utf8HistoryGivesAGbkUser) {
  History("lastuser=\"\xE7\x8E\x8B&amp;\"");  // "王&" in UTF-8
  EXPECT_EQ(GetLastLoginUser(), "\xCD\xF5&");
  Write(Xml(), "<?xml version=\"1.0\" encoding=\"GBK\"?><c><history><userid lastuser=\"\xCD\xF5\"/></history></c>");
  EXPECT_EQ(GetLastLoginUser(), "\xCD\xF5");
  Write(Ini(), "[skintype]\n\xCD\xF5skintype=face_diag.dll\n");
  platform::SetEnvironment("FaceDllName", "-1");
  EXPECT_EQ(GetFaceDllName(), "face_diag.dll");
}

TEST_F(FaceDllNameTest, MalformedHistoryRaisesTheWrappedTextAndLeavesNoCopy) {
  const std::pair<const char*, const char*> cases[] = {
      {"<config><history>", "XML line 1: element history not closed"},
      {"<config>\n<history><userid lastuser=admin/></history></config>", "XML line 2: expected a quoted value"},
      {"", "XML line 1: no document element"},
  };
  for (const auto& [text, cause] : cases) {
    Write(Xml(), text);
    platform::SetEnvironment("FaceDllName", "-1");
    EXPECT_EQ(testing::ErrorOf([] { GetFaceDllName(); }),
              std::string("GetFaceDllName获取皮肤类型失败!GetLastLoginUser:") + cause);
    EXPECT_FALSE(BakLeft()) << text;
    EXPECT_EQ(platform::GetEnvironment("FaceDllName"), "-1") << "nothing resolved, nothing written";
  }
}

TEST_F(FaceDllNameTest, AStaleCopyIsReplacedByTheHistory) {
  Write(BakXml(), "<broken");
  History("lastuser=\"admin\"");
  EXPECT_EQ(GetLastLoginUser(), "admin");
  EXPECT_FALSE(BakLeft());
  platform::DeleteFileAt(Xml());
  Write(BakXml(), "<c><history><userid lastuser=\"stale\"/></history></c>");
  EXPECT_EQ(GetLastLoginUser(), "") << "without the history, an old copy is not read";
  EXPECT_FALSE(BakLeft());
}

}  // namespace
}  // namespace ruzi
