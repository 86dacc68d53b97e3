// The face libraries' own exports, as the client reads them: each skin names its facetype and
// carries the resource kinds the resource library reads; string answers report their full
// length and cut to the buffer; missing keys answer empty, zero or false. What each key answers
// is checked through the library's queries (skin_library_win32_test.cpp).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/dynamic_library.h"
#include "ruzirareva/skin/face_library.h"
#include "skin/diag_skin.h"

namespace ruzi::skin {
namespace {

TEST(FaceLibrary, EachSkinNamesItsFaceTypeAndCarriesTheResourceLibrarysSamples) {
  for (const auto& [file, facetype] : {std::pair{"face.dll", "blue"}, {"face_black.dll", "black"}, {"face_diag.dll", "diag"}}) {
    const platform::DynamicLibrary face = platform::DynamicLibrary::LoadedOrLoad(file);
    const auto module = static_cast<HMODULE>(face.Handle());
    ASSERT_NE(module, nullptr) << file;
    char text[64] = {};
    EXPECT_EQ(face.ExportAs<FaceStringQuery1>("GetSkinRootAttributeValue")("facetype", text, sizeof text),
              static_cast<int32_t>(strlen(facetype)));
    EXPECT_STREQ(text, facetype);
    EXPECT_EQ(LoadStringA(module, 1, text, sizeof text), static_cast<int>(strlen(facetype)));
    EXPECT_STREQ(text, facetype);
    for (const char* type : {"GIF", "Jpg", "BMP", "PNG"}) {
      EXPECT_NE(FindResourceA(module, strcmp(type, "PNG") == 0 ? "png.toolbar.bg" : "SAMPLE", type), nullptr) << file << " " << type;
    }
    const HICON icon = static_cast<HICON>(LoadImageA(module, "SAMPLE", IMAGE_ICON, 16, 16, 0));
    EXPECT_NE(icon, nullptr) << file;
    if (icon) DestroyIcon(icon);
    const HBITMAP bitmap = LoadBitmapA(module, "SAMPLE");
    BITMAP info{};
    EXPECT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info)) << file;
    EXPECT_EQ(info.bmWidth, DiagImage("bmp.SAMPLE").width);
    EXPECT_EQ(info.bmHeight, DiagImage("bmp.SAMPLE").height);
    DeleteObject(bitmap);
  }
}

TEST(FaceLibrary, StringAnswersCutToTheBufferAndMissingKeysAnswerNothing) {
  const platform::DynamicLibrary face = platform::DynamicLibrary::LoadedOrLoad("face_diag.dll");
  const auto child_text = face.ExportAs<FaceStringQuery2>("GetSkinChildAttributeValue");
  char full[16];
  snprintf(full, sizeof full, "$%06X", DiagColour(SkinFamily::kChild, "edit", "BgColor"));
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(child_text("edit", "BgColor", buffer, sizeof buffer), static_cast<int32_t>(strlen(full)));
  EXPECT_EQ(std::string(buffer), std::string(full, 3));
  EXPECT_EQ(child_text("edit", "BgColor", nullptr, 0), static_cast<int32_t>(strlen(full)));
  // The same element under the other family, or another case, is a missing key.
  for (const auto& [query, element, key] : {std::tuple{"GetSkinParentAttributeValue", "edit", "BgColor"},
                                            {"GetSkinChildAttributeValue", "edit", "bgcolor"}}) {
    buffer[0] = 'x';
    EXPECT_EQ(face.ExportAs<FaceStringQuery2>(query)(element, key, buffer, sizeof buffer), 0) << query;
    EXPECT_STREQ(buffer, "") << query;
  }
  EXPECT_EQ(face.ExportAs<FaceStringQuery1>("GetSkinChildFontName")("nosuch", buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  for (const char* query : {"GetSkinChildAttributeValueAsTColor", "GetSkinChildAttributeValueAsInteger",
                            "GetSkinParentAttributeValueAsInteger"}) {
    EXPECT_EQ(face.ExportAs<FaceIntegerQuery2>(query)(query[7] == 'C' ? "edit" : "mainform", "nosuch"), 0) << query;
  }
  EXPECT_EQ(face.ExportAs<FaceFlagQuery2>("GetSkinParentAttributeValueAsBool")("mainform", "nosuch"), 0);
  for (const char* query : {"GetSkinChildFontColor", "GetSkinChildFontSize", "GetSkinPublicColor"}) {
    EXPECT_EQ(face.ExportAs<FaceIntegerQuery1>(query)("nosuch"), 0) << query;
  }
  EXPECT_EQ(face.ExportAs<FaceImageQuery>("LoadSkinPng")("png.no.such.image"), nullptr);
  EXPECT_EQ(face.ExportAs<FaceImageQuery>("LoadSkinPng")(nullptr), nullptr);
}

}  // namespace
}  // namespace ruzi::skin
