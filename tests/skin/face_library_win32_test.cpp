// The face libraries' own exports, as the client reads them: each skin names its facetype,
// string answers report their full length and cut to the buffer, missing keys answer empty,
// zero or false, and the resource kinds the resource library reads are there. What each key
// answers is checked through the library's queries (skin_library_win32_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ruzirareva/skin/face_library.h"
#include "skin/diag_skin.h"

namespace ruzi::skin {
namespace {

class FaceLibrary {
 public:
  explicit FaceLibrary(const char* file) : module_(LoadLibraryA(file)) {}
  ~FaceLibrary() {
    if (module_) FreeLibrary(module_);
  }
  HMODULE Module() const { return module_; }
  template <typename Fn>
  Fn Get(const char* name) const {
    const auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
    EXPECT_NE(fn, nullptr) << name;
    return fn;
  }

 private:
  HMODULE module_;
};

TEST(FaceLibrary, EachSkinNamesItsFaceTypeAndCarriesTheResourceLibrarysSamples) {
  const std::pair<const char*, const char*> skins[] = {
      {"face.dll", "blue"}, {"face_black.dll", "black"}, {"face_diag.dll", "diag"}};
  for (const auto& [file, facetype] : skins) {
    const FaceLibrary face(file);
    ASSERT_NE(face.Module(), nullptr) << file;
    char text[64] = {};
    EXPECT_EQ(face.Get<FaceStringQuery1>("GetSkinRootAttributeValue")("facetype", text, sizeof text),
              static_cast<int32_t>(strlen(facetype)));
    EXPECT_STREQ(text, facetype);
    EXPECT_EQ(LoadStringA(face.Module(), 1, text, sizeof text), static_cast<int>(strlen(facetype)));
    EXPECT_STREQ(text, facetype);
    for (const char* type : {"GIF", "Jpg", "BMP", "PNG"}) {
      const char* name = strcmp(type, "PNG") == 0 ? "png.toolbar.bg" : "SAMPLE";
      EXPECT_NE(FindResourceA(face.Module(), name, type), nullptr) << file << " " << type;
    }
    const HICON icon = static_cast<HICON>(LoadImageA(face.Module(), "SAMPLE", IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr) << file;
    if (icon) DestroyIcon(icon);
    const HBITMAP bitmap = LoadBitmapA(face.Module(), "SAMPLE");
    ASSERT_NE(bitmap, nullptr) << file;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    EXPECT_EQ(info.bmWidth, DiagImage("bmp.SAMPLE").width);
    EXPECT_EQ(info.bmHeight, DiagImage("bmp.SAMPLE").height);
    DeleteObject(bitmap);
  }
}

TEST(FaceLibrary, StringAnswersReportTheirFullLengthAndCutToTheBuffer) {
  const FaceLibrary face("face_diag.dll");
  const auto child_text = face.Get<FaceStringQuery2>("GetSkinChildAttributeValue");
  const auto parent_text = face.Get<FaceStringQuery2>("GetSkinParentAttributeValue");
  char full[16];
  snprintf(full, sizeof full, "$%06X", DiagColour(SkinFamily::kChild, "edit", "BgColor"));
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(child_text("edit", "BgColor", buffer, sizeof buffer), static_cast<int32_t>(strlen(full)));
  EXPECT_EQ(std::string(buffer), std::string(full, 3));
  EXPECT_EQ(child_text("edit", "BgColor", nullptr, 0), static_cast<int32_t>(strlen(full)));
  buffer[0] = 'x';
  // The same element under the other family, or another case, is a missing key.
  EXPECT_EQ(parent_text("edit", "BgColor", buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(child_text("edit", "bgcolor", buffer, sizeof buffer), 0);
}

TEST(FaceLibrary, MissingKeysAnswerEmptyZeroOrFalse) {
  const FaceLibrary face("face_diag.dll");
  EXPECT_EQ(face.Get<FaceColourQuery2>("GetSkinChildAttributeValueAsTColor")("edit", "nosuch"), 0u);
  EXPECT_EQ(face.Get<FaceIntegerQuery2>("GetSkinChildAttributeValueAsInteger")("edit", "nosuch"), 0);
  EXPECT_EQ(face.Get<FaceIntegerQuery2>("GetSkinParentAttributeValueAsInteger")("mainform", "nosuch"), 0);
  EXPECT_EQ(face.Get<FaceFlagQuery2>("GetSkinParentAttributeValueAsBool")("mainform", "nosuch"), 0);
  EXPECT_EQ(face.Get<FaceColourQuery1>("GetSkinChildFontColor")("nosuch"), 0u);
  EXPECT_EQ(face.Get<FaceIntegerQuery1>("GetSkinChildFontSize")("nosuch"), 0);
  char name[8] = "x";
  EXPECT_EQ(face.Get<FaceStringQuery1>("GetSkinChildFontName")("nosuch", name, sizeof name), 0);
  EXPECT_STREQ(name, "");
  EXPECT_EQ(face.Get<FaceColourQuery1>("GetSkinPublicColor")("nosuch"), 0u);
  EXPECT_EQ(face.Get<FaceImageQuery>("LoadSkinPng")("png.no.such.image"), nullptr);
  EXPECT_EQ(face.Get<FaceImageQuery>("LoadSkinPng")(nullptr), nullptr);
}

}  // namespace
}  // namespace ruzi::skin
