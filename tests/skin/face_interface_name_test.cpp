// The resource library a skin's facetype names.
#include <gtest/gtest.h>

#include "ruzirareva/skin/face_interface.h"
#include "skin/loose_skin_folder.h"

namespace ruzi {
namespace {

TEST(FaceInterfaceName, FaceTypeSelectsTheResourceLibrary) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"blue", "", "face.dll"},          {" blue ", "x.dll", "face.dll"}, {"\tblue", "", "face.dll"},
      {"black", "", "face_black.dll"},   {" x", "", "face_ x.dll"},       {"Blue", "", "face_Blue.dll"},
      {"", "kept.dll", "kept.dll"},      {"  ", "kept.dll", "kept.dll"},  {"", "", ""},
  };
  for (const auto& [facetype, current, want] : cases) {
    EXPECT_EQ(Faceinterface::FaceDllForFaceType(facetype, current), want) << "[" << facetype << "]";
  }
}

// Loose files of one skin are never taken for another's.
TEST(LooseSkinFolder, OnlyFaceDllReadsForm7) {
  for (const char* face : {"face.dll", "FACE.DLL", "Face.Dll"}) EXPECT_EQ(skin::LooseSkinFolder(face), "skin\\form7\\");
  for (const char* face : {"face_black.dll", "face_diag.dll", "", " face.dll", "face.dl"}) {
    EXPECT_EQ(skin::LooseSkinFolder(face), "skin\\form7_black\\") << face;
  }
}

}  // namespace
}  // namespace ruzi
