// The library's skin units against the real face libraries beside this test: the colour table
// and the queries through face_diag.dll, the loaders' error texts, the resource library.
// Each case starts from "FaceDllName" naming the library it needs (one process per case).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>

#include "error_text.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/win32_error.h"
#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/skin/face_manager.h"
#include "ruzirareva/skin/skin_colour_table.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

namespace ruzi {
namespace {

using skin::DiagColour;
using skin::DiagFlag;
using skin::SkinFamily;

void UseFace(const char* file) { platform::SetEnvironment("FaceDllName", file); }

// Every colour and flag key of the manifest through its queries, and the colour table that
// holds all but the public colours (those the trading rules read through the query).
TEST(SkinLibrary, EveryManifestKeyAnswersItsDerivedValueAndFillsTheColourTable) {
  UseFace("face_diag.dll");
  size_t entries = 0;
  for (const skin::ManifestEntry& entry : skin::LibraryManifest()) {
    const std::string& element = entry.element;
    const std::string& attribute = entry.attribute;
    const bool child = entry.family == SkinFamily::kChild, flag = entry.kind == skin::ManifestEntry::Kind::kFlag;
    const uint32_t want = flag ? DiagFlag(entry.family, element, attribute) : DiagColour(entry.family, element, attribute);
    if (flag) {
      EXPECT_EQ(child ? GetSkinChildAttributeValueAsBool(element, attribute)
                      : GetSkinParentAttributeValueAsBool(element, attribute), want != 0) << skin::ManifestLine(entry);
    } else if (entry.kind != skin::ManifestEntry::Kind::kColour) {
      continue;
    } else if (entry.family == SkinFamily::kPublic) {
      EXPECT_EQ(GetSkinPublicColor(attribute), want) << attribute;
      continue;
    } else {
      EXPECT_EQ(child ? GetSkinChildAttributeValueAsTColor(element, attribute)
                      : GetSkinParentAttributeValueAsTColor(element, attribute), want) << skin::ManifestLine(entry);
      if (child) {
        EXPECT_EQ(GetSkinChildBgColor(element, attribute), want) << skin::ManifestLine(entry);
      }
    }
    ++entries;
    EXPECT_EQ(GetSkinTableValue(element, attribute), want) << skin::ManifestLine(entry);
  }
  EXPECT_EQ(entries, 168u);
  EXPECT_EQ(FACEDLL, "face_diag.dll");
  EXPECT_EQ(HmMenuPenColor, DiagColour(SkinFamily::kParent, "mainform", "hmmenupencolor"));
  EXPECT_EQ(QxFormDrawColor, DiagColour(SkinFamily::kParent, "mainform", "qxformdrawcolor"));
  EXPECT_EQ(TAB_FONT_COLOR_NORMAL, DiagColour(SkinFamily::kChild, "pagecontrol", "tabfontcolornormal"));
  EXPECT_EQ(QXEDITCOLOR, DiagColour(SkinFamily::kChild, "qxedit", "BgColor"));
  EXPECT_EQ(LABEL_TRANSPARENT, DiagFlag(SkinFamily::kChild, "label", "transparent"));
  EXPECT_EQ(gfmaccountgroup, DiagColour(SkinFamily::kChild, "fmAccountGroup", "fontcolor"));
  EXPECT_EQ(gfmaccountgroupBgColor, DiagColour(SkinFamily::kChild, "fmAccountGroup", "BgColor"));
  EXPECT_EQ(gfmFullStockcodeBackGroundColor,
            DiagColour(SkinFamily::kChild, "fmfullstockcode", "textsettingsbackgroundcolor"));
}

TEST(SkinLibrary, QueriesPassThroughTheBoundLibrary) {
  UseFace("face_diag.dll");
  EXPECT_EQ(GetSkinRootAttributeValue("facetype"), "diag");
  EXPECT_EQ(gEnvironmentVariable, "1");
  EXPECT_NE(_GetSkinPublicColor_init, nullptr);
  EXPECT_EQ(GetSkinChildFontColor("edit"), DiagColour(SkinFamily::kChild, "edit", "fontcolor"));
  EXPECT_EQ(GetSkinParentAttributeValue("mainform", "formbgcolor").size(), 7u);  // "$RRGGBB"
  EXPECT_EQ(GetSkinRootAttributeValue("diag.long"), std::string(300, 'L')) << "longer than the first buffer";
  EXPECT_EQ(GetSkinChildAttributeValue("edit", "nosuch"), "");
  EXPECT_EQ(GetSkinParentAttributeValueAsInteger("mainform", "nosuch"), 0);
}

TEST(SkinLibrary, ALibraryThatDoesNotLoadLeavesTheInitialValues) {
  UseFace("face_none.dll");
  EXPECT_EQ(GetSkinRootAttributeValue("facetype"), "");
  EXPECT_EQ(_GetSkinChildAttributeValueAsTColor_init, nullptr);
  EXPECT_EQ(GetSkinTableValue("dbgrideh", "titlefontcolor "), 0x666666u);
  EXPECT_EQ(HmMenuMouseFontColorBase, 0x755912u);
}

// Whether each image decodes once: resource_sets_win32_test.cpp, through every set.
TEST(SkinLibrary, LoadSkinPngNamesWhatDoesNotDecode) {
  UseFace("face_diag.dll");
  EXPECT_EQ(Skinresmanager::LoadSkinPng("png.no.such"), nullptr);
  const HMODULE face = GetModuleHandleA("face_diag.dll");
  ASSERT_NE(face, nullptr);
  const auto load = reinterpret_cast<FaceImageQuery>(reinterpret_cast<void*>(GetProcAddress(face, "LoadSkinPng")));
  const FaceImage* broken = load("png.diag.broken");
  ASSERT_TRUE(broken != nullptr && broken->error != nullptr);
  EXPECT_EQ(broken->bgra, nullptr);
  EXPECT_EQ(testing::ErrorOf([] { Skinresmanager::LoadSkinPng("png.diag.broken"); }),
            std::string("加载资源[png.diag.broken]失败，请检查face_diag.dll文件是否正确!") + broken->error);
}

TEST(SkinLibrary, AFileThatIsNoLibraryGivesTheSystemsErrorNumberAndText) {
  const std::string file = "face_junk_" + std::to_string(GetCurrentProcessId()) + ".dll";
  const std::string path = platform::ExecutableDirectory() + file;
  std::ofstream(path) << "not a library";
  UseFace(file.c_str());
  const std::string message = testing::ErrorOf([] { Skinresmanager::LoadSkinPng("png.toolbar.bg"); });
  DeleteFileA(path.c_str());
  EXPECT_EQ(message, "[" + file + "]193:" + platform::Win32ErrorText(193));
}

// Icons and strings: the resource library follows the facetype; the failures' texts end with the system's.
TEST(SkinLibrary, IconsAndStringsAndTheirErrorTexts) {
  UseFace("face_diag.dll");
  EXPECT_NE(Skinresmanager::LoadFaceICOEx("SAMPLE"), nullptr);
  const std::string icon = testing::ErrorOf([] { Skinresmanager::LoadFaceICOEx("NOSUCH"); });
  const std::string icon_prefix = "[LoadFaceICOEx] 加载资源文件NOSUCH.ico失败,请检查face_diag.dll文件是否正确! :";
  EXPECT_EQ(icon.substr(0, icon_prefix.size()), icon_prefix);
  EXPECT_GT(icon.size(), icon_prefix.size());
  EXPECT_EQ(Faceinterface::FACE_DLL, "");
  EXPECT_EQ(Faceinterface::LoadFaceString(1, "default"), "diag");
  EXPECT_EQ(Faceinterface::FACE_DLL, "face_diag.dll");
  EXPECT_EQ(Faceinterface::FCount, 1);
  EXPECT_EQ(Faceinterface::LoadFaceString(2, "default"), "face string two");
  EXPECT_EQ(Faceinterface::LoadFaceString(99, "default"), "default");
  EXPECT_NE(Faceinterface::LoadFaceIcon("SAM", "PLE"), nullptr);
  const std::string message = testing::ErrorOf([] { Faceinterface::LoadFaceIcon("NO", "SUCH"); });
  const std::string prefix = "加载图标[NOSUCH]失败，请检查face_diag.dll文件是否正确!";
  EXPECT_EQ(message.substr(0, prefix.size()), prefix);
  EXPECT_GT(message.size(), prefix.size());
}

}  // namespace
}  // namespace ruzi
