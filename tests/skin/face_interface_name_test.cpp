// The resource library a skin's facetype names.
#include <gtest/gtest.h>

#include "ruzirareva/skin/face_interface.h"

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

}  // namespace
}  // namespace ruzi
