// Which face library the client picks: "FaceDllName", then the last user's history file and
// INI entry (cases in tests/data/face_dll_names.txt). The files lie beside this test's
// executable (its own folder), as the client's do. And the skin colour table with no face
// library bound: every entry keeps the client's initial value (tests/data/skin_colour_initial.txt,
// in load order), the exported variables too.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/environment.h"
#include "platform/file_delete.h"
#include "platform/file_system.h"
#include "platform/paths.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/skin/face_manager.h"
#include "ruzirareva/skin/skin_colour_table.h"
#include "vector_file.h"

namespace ruzi {
namespace {

std::string Beside(const std::string& ending) {
  const std::string program = platform::ExecutablePath();
  const std::string name = program.substr(platform::DirectoryOf(program).size());
  return ending == ".ini" ? program.substr(0, program.size() - 4) + ending
                          : platform::ExecutableDirectory() + "config/" + name.substr(0, name.rfind('.')) + ending;
}

// Arguments: the history file, its old copy, the INI file and "FaceDllName" ("-": none).
// The answer, then after "|" what the environment holds; a copy of the history left behind
// is a fault.
std::string Resolve(const std::vector<std::string>& a, const std::function<std::string()>& ask) {
  std::filesystem::create_directories(platform::ExecutableDirectory() + "config");
  const std::string files[] = {Beside(".xml"), Beside(".bak.xml"), Beside(".ini")};
  for (size_t i = 0; i < 3; ++i) {
    platform::DeleteFileAt(files[i]);
    EXPECT_TRUE(a[i] == "-" || platform::SystemFileSystem().WriteWholeFile(files[i], a[i])) << files[i];
  }
  a[3] == "-" ? (void)platform::UnsetEnvironment("FaceDllName") : (void)platform::SetEnvironment("FaceDllName", a[3]);
  std::string answer;
  try {
    answer = ask();
  } catch (const std::exception& error) {
    answer = std::string("error: ") + error.what();
  }
  answer += "|" + platform::GetEnvironment("FaceDllName");
  return platform::SystemFileSystem().FileExists(files[1]) ? answer + "|copy left" : answer;
}

TEST(FaceDllName, KnownAnswers) {
  testing::CheckAnswers("face_dll_names.txt",
                        {{"name", [](const auto& a) { return Resolve(a, GetFaceDllName); }},
                         {"user", [](const auto& a) { return Resolve(a, GetLastLoginUser); }}});
  Resolve({"-", "-", "-", "-"}, [] { return std::string(); });  // leaves nothing behind
}


TEST(SkinColourTable, UnboundKeepsEveryInitialValue) {
  // Exported entries hold their initial values before anything loads.
  EXPECT_EQ(HmMenuPenColor, 0xC3C3C3u);
  EXPECT_EQ(gfmaccountgroup, 0x80000008u);
  EXPECT_EQ(gfmFullStockcodeBackGroundColor, 0xF4F4F4u);
  EXPECT_FALSE(SkinColourTableLoaded());
  gEnvironmentVariable = "1";  // the binding was tried and found nothing
  const auto rows = testing::ReadVectors("skin_colour_initial.txt");
  ASSERT_EQ(rows.size(), 168u);
  for (const auto& row : rows) {
    EXPECT_EQ(GetSkinTableValue(row[0], row[1]), std::stoul(row[2], nullptr, 16)) << row[0] << "/" << row[1];
  }
  EXPECT_TRUE(SkinColourTableLoaded());
  EXPECT_EQ(QxFormDrawColor, 0x0000FFu);
  EXPECT_FALSE(LABEL_TRANSPARENT);
  EXPECT_THROW(GetSkinTableValue("dbgrideh", "titlefontcolor"), Error) << "the key keeps its blank";
  EXPECT_THROW(GetSkinTableValue("dxdbgrid", "BgColor"), Error) << "element names are byte-exact";
}

}  // namespace
}  // namespace ruzi
