// The face libraries as the client loads them: every query of face_diag.dll answers the value
// derived from its key, every manifest image decodes once to its own flat colour, and the
// resource kinds the resource library reads (strings, icons, bitmaps, GIF, JPEG) are there.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "ruzirareva/skin/face_library.h"
#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

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
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module_, name)));
  }
  std::string Root(const char* attribute) const {
    char buffer[64] = {};
    const int32_t length = Get<FaceStringQuery1>("GetSkinRootAttributeValue")(attribute, buffer, sizeof buffer);
    EXPECT_EQ(length, static_cast<int32_t>(strlen(buffer)));
    return buffer;
  }

 private:
  HMODULE module_;
};

TEST(FaceLibrary, EachSkinNamesItsFaceType) {
  const std::pair<const char*, const char*> skins[] = {
      {"face.dll", "blue"}, {"face_black.dll", "black"}, {"face_diag.dll", "diag"}};
  for (const auto& [file, facetype] : skins) {
    const FaceLibrary face(file);
    ASSERT_NE(face.Module(), nullptr) << file;
    EXPECT_EQ(face.Root("facetype"), facetype);
    char text[32] = {};
    EXPECT_EQ(LoadStringA(face.Module(), 1, text, sizeof text), static_cast<int>(strlen(facetype)));
    EXPECT_STREQ(text, facetype);
  }
}

TEST(FaceLibrary, DiagnosticSkinAnswersEveryManifestKeyWithItsDerivedValue) {
  const FaceLibrary face("face_diag.dll");
  ASSERT_NE(face.Module(), nullptr);
  const auto child_colour = face.Get<FaceColourQuery2>("GetSkinChildAttributeValueAsTColor");
  const auto child_bg = face.Get<FaceColourQuery2>("GetSkinChildBgColor");
  const auto parent_colour = face.Get<FaceColourQuery2>("GetSkinParentAttributeValueAsTColor");
  const auto child_flag = face.Get<FaceFlagQuery2>("GetSkinChildAttributeValueAsBool");
  const auto parent_flag = face.Get<FaceFlagQuery2>("GetSkinParentAttributeValueAsBool");
  const auto public_colour = face.Get<FaceColourQuery1>("GetSkinPublicColor");
  ASSERT_TRUE(child_colour && child_bg && parent_colour && child_flag && parent_flag && public_colour);
  for (const ManifestEntry& entry : LibraryManifest()) {
    const char* element = entry.element.c_str();
    const char* attribute = entry.attribute.c_str();
    const bool child = entry.family == SkinFamily::kChild;
    if (entry.kind == ManifestEntry::Kind::kColour) {
      const uint32_t want = DiagColour(entry.family, entry.element, entry.attribute);
      if (entry.family == SkinFamily::kPublic) {
        EXPECT_EQ(public_colour(attribute), want) << ManifestLine(entry);
      } else {
        EXPECT_EQ((child ? child_colour : parent_colour)(element, attribute), want) << ManifestLine(entry);
        if (child) {
          EXPECT_EQ(child_bg(element, attribute), want) << ManifestLine(entry);
        }
      }
    } else if (entry.kind == ManifestEntry::Kind::kFlag) {
      EXPECT_EQ((child ? child_flag : parent_flag)(element, attribute) != 0,
                DiagFlag(entry.family, entry.element, entry.attribute))
          << ManifestLine(entry);
    }
  }
}

TEST(FaceLibrary, StringAnswersReportTheirFullLengthAndCutToTheBuffer) {
  const FaceLibrary face("face_diag.dll");
  const auto child_text = face.Get<FaceStringQuery2>("GetSkinChildAttributeValue");
  const auto parent_text = face.Get<FaceStringQuery2>("GetSkinParentAttributeValue");
  ASSERT_TRUE(child_text && parent_text);
  const std::string full = "$" + [] {
    char hex[16];
    snprintf(hex, sizeof hex, "%06X", DiagColour(SkinFamily::kChild, "edit", "BgColor"));
    return std::string(hex);
  }();
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(child_text("edit", "BgColor", buffer, sizeof buffer), static_cast<int32_t>(full.size()));
  EXPECT_EQ(std::string(buffer), full.substr(0, 3));
  EXPECT_EQ(child_text("edit", "BgColor", nullptr, 0), static_cast<int32_t>(full.size()));
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
  // A font colour is its element's "fontcolor".
  EXPECT_EQ(face.Get<FaceColourQuery1>("GetSkinChildFontColor")("edit"),
            DiagColour(SkinFamily::kChild, "edit", "fontcolor"));
}

TEST(FaceLibrary, EveryManifestImageDecodesOnceToItsOwnColour) {
  const FaceLibrary face("face_diag.dll");
  const auto load = face.Get<FaceImageQuery>("LoadSkinPng");
  ASSERT_NE(load, nullptr);
  EXPECT_EQ(load("png.no.such.image"), nullptr);
  EXPECT_EQ(load(nullptr), nullptr);
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind != ManifestEntry::Kind::kImage) continue;
    const FaceImage* image = load(entry.attribute.c_str());
    ASSERT_NE(image, nullptr) << entry.attribute;
    EXPECT_EQ(load(entry.attribute.c_str()), image) << "decoded twice: " << entry.attribute;
    ASSERT_EQ(image->error, nullptr) << image->error;
    const DiagImageLook look = DiagImage(entry.attribute);
    ASSERT_EQ(image->width, look.width);
    ASSERT_EQ(image->height, look.height);
    ASSERT_GT(image->png_size, 8u);
    EXPECT_EQ(memcmp(image->png, "\x89PNG", 4), 0);
    const auto premultiplied = [&](uint8_t channel) { return static_cast<uint8_t>((channel * look.alpha + 127) / 255); };
    const uint8_t want[4] = {premultiplied(look.blue), premultiplied(look.green), premultiplied(look.red), look.alpha};
    const uint8_t* last = image->bgra + (static_cast<size_t>(image->width) * image->height - 1) * 4;
    EXPECT_EQ(memcmp(image->bgra, want, 4), 0) << entry.attribute;
    EXPECT_EQ(memcmp(last, want, 4), 0) << entry.attribute;
  }
}

TEST(FaceLibrary, CarriesTheResourceLibrarysSamples) {
  for (const char* file : {"face.dll", "face_black.dll", "face_diag.dll"}) {
    const FaceLibrary face(file);
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
    const DiagImageLook look = DiagImage("bmp.SAMPLE");
    EXPECT_EQ(info.bmWidth, look.width);
    EXPECT_EQ(info.bmHeight, look.height);
    DeleteObject(bitmap);
  }
}

}  // namespace
}  // namespace ruzi::skin
