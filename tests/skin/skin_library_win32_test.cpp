// The face libraries' own exports as the client reads them (each skin names its facetype and
// carries the resource kinds the resource library reads; string answers report their full length
// and cut to the buffer; missing keys answer empty, zero or false), and the library's skin units
// against the real face libraries beside this test: the colour table and the queries through face_diag.dll; each picture loader reads its sample (bitmap, GIF,
// JPEG, PNG, icon) and each failure carries its text byte for byte; a loose PNG counts only for
// its own library; the resource library. Each case starts from "FaceDllName" naming the library
// it needs (one process per case).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

#include "diag_pixels.h"
#include "error_text.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/win32_error.h"
#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/skin/face_library.h"
#include "ruzirareva/skin/face_manager.h"
#include "ruzirareva/skin/skin_colour_table.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/bitmap.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/image.h"
#include "ruzirareva/ui/image_list.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"
#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

namespace ruzi {
namespace {

using skin::DiagColour;
using skin::DiagFlag;
using skin::DiagImage;
using skin::DiagImageLook;
using skin::SkinFamily;

void UseFace(const char* file) { platform::SetEnvironment("FaceDllName", file); }

// The failure's text: `text`, then a reason of the system's or the decoder's.
void ExpectTextAndAReason(const std::function<void()>& load, const std::string& text) {
  const std::string message = testing::ErrorOf(load);
  EXPECT_TRUE(message.starts_with(text) && message.size() > text.size()) << message;
}

TEST(FaceLibrary, EachSkinNamesItsFaceTypeCarriesTheSamplesAndAnswersStringsWhole) {
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
    EXPECT_EQ((std::pair<int, int>(info.bmWidth, info.bmHeight)), std::pair(DiagImage("bmp.SAMPLE").width, DiagImage("bmp.SAMPLE").height));
    DeleteObject(bitmap);
  }
  // String answers cut to the buffer and report their full length; missing keys answer nothing.
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
  // Other queries through the bound library: strings of any length, missing keys answer nothing.
  EXPECT_EQ(GetSkinRootAttributeValue("facetype"), "diag");
  EXPECT_EQ(gEnvironmentVariable, "1");
  EXPECT_NE(_GetSkinPublicColor_init, nullptr);
  EXPECT_EQ(GetSkinChildFontColor("edit"), DiagColour(SkinFamily::kChild, "edit", "fontcolor"));
  EXPECT_EQ(GetSkinParentAttributeValue("mainform", "formbgcolor").size(), 7u);  // "$RRGGBB"
  EXPECT_EQ(GetSkinRootAttributeValue("diag.long"), std::string(300, 'L')) << "longer than the first buffer";
  EXPECT_EQ(GetSkinChildAttributeValue("edit", "nosuch"), "");
  EXPECT_EQ(GetSkinParentAttributeValueAsInteger("mainform", "nosuch"), 0);
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

// A PNG that does not decode is named (whether each image decodes once: resource_sets_win32_test.cpp);
// icons and strings: the resource library follows the facetype; the failures' texts end with the system's.
TEST(SkinLibrary, UndecodablePngsIconsAndStringsAndTheirErrorTexts) {
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
  EXPECT_NE(Skinresmanager::LoadFaceICOEx("SAMPLE"), nullptr);
  ExpectTextAndAReason([] { Skinresmanager::LoadFaceICOEx("NOSUCH"); }, "[LoadFaceICOEx] 加载资源文件NOSUCH.ico失败,请检查face_diag.dll文件是否正确! :");
  EXPECT_EQ(Faceinterface::FACE_DLL, "");
  EXPECT_EQ(Faceinterface::LoadFaceString(1, "default"), "diag");
  EXPECT_EQ(Faceinterface::FACE_DLL, "face_diag.dll");
  EXPECT_EQ(Faceinterface::FCount, 1);
  EXPECT_EQ(Faceinterface::LoadFaceString(2, "default"), "face string two");
  EXPECT_EQ(Faceinterface::LoadFaceString(99, "default"), "default");
  EXPECT_NE(Faceinterface::LoadFaceIcon("SAM", "PLE"), nullptr);
  ExpectTextAndAReason([] { Faceinterface::LoadFaceIcon("NO", "SUCH"); }, "加载图标[NOSUCH]失败，请检查face_diag.dll文件是否正确!");
}

// A bitmap's pixel, 0x00BBGGRR, against an opaque look.
uint32_t Opaque(const char* look_name) {
  const DiagImageLook look = DiagImage(look_name);
  return look.red | look.green << 8 | look.blue << 16;
}

bool Shows(const TDecodedGraphic& picture, const char* look_name, int tolerance = 0) {
  return testing::NearPixel(picture.Image()->bgra, testing::DiagPixel(DiagImage(look_name), false), tolerance);
}

TEST(SkinPictures, EveryLoaderReadsItsSample) {
  UseFace("face_diag.dll");
  const DiagImageLook bmp = DiagImage("bmp.SAMPLE");

  for (const auto load : {Skinresmanager::LoadBmpImage, Faceinterface::LoadFaceBMP}) {  // the second through a stream
    TBitmap bitmap;
    load(&bitmap, "SAMPLE");
    EXPECT_EQ(std::pair(bitmap.Width(), bitmap.Height()), std::pair(bmp.width, bmp.height));
    EXPECT_EQ(static_cast<uint32_t>(bitmap.Canvas().Pixel(bmp.width - 1, 0)), Opaque("bmp.SAMPLE"));
  }

  TPicture gif_control;
  TGIFImage::DefaultDrawOptions = 0;
  Skinresmanager::LoadGifImage(&gif_control, "SAMPLE");
  EXPECT_EQ(TGIFImage::DefaultDrawOptions, 64u);
  auto* shown = dynamic_cast<TGIFImage*>(gif_control.Graphic());
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->DrawOptions(), 64u);
  EXPECT_TRUE(Shows(*shown, "gif.SAMPLE")) << "the first frame";

  TImage image_control;
  Skinresmanager::LoadGifImage(&image_control, "SAMPLE");
  Faceinterface::LoadFaceJPG(&image_control, "SAMPLE");
  EXPECT_NE(dynamic_cast<TJPEGImage*>(image_control.Picture().Graphic()), nullptr) << "the control's picture";

  TGIFImage gif;
  Faceinterface::LoadFaceGif(&gif, "SAMPLE");
  EXPECT_EQ(gif.SaveToBytes(), shown->SaveToBytes());

  TPicture jpeg_control;
  Faceinterface::LoadFaceJPG(&jpeg_control, "SAMPLE");
  auto* jpeg = dynamic_cast<TJPEGImage*>(jpeg_control.Graphic());
  ASSERT_NE(jpeg, nullptr);
  EXPECT_EQ(jpeg->Width(), 16);
  EXPECT_TRUE(Shows(*jpeg, "jpg.SAMPLE", 2));

  TPNGObject png;
  Faceinterface::LoadFacePng(&png, "png.toolbar.bg");
  const FaceImage* library = Skinresmanager::LoadSkinPng("png.toolbar.bg");
  EXPECT_EQ(png.SaveToBytes(), std::string(reinterpret_cast<const char*>(library->png), library->png_size));

  TImageList list;
  list.SetWidth(8);
  list.SetHeight(8);
  Skinresmanager::AddPictureToImageList(&list, "SAMPLE");
  EXPECT_EQ(list.Count(), 1);
  EXPECT_EQ(Faceinterface::LoadFaceIconToImgLst(&list, "SAM", "PLE"), 1);
  EXPECT_EQ(Faceinterface::LoadFaceIconToImgLst(&list, "SAMP", "LE"), 2);
}

// Each loader's text for a failure: loader, the load, the text.
using Failures = std::vector<std::tuple<const char*, std::function<void()>, std::string>>;
void ExpectFailures(const Failures& failures) {
  for (const auto& [loader, load, text] : failures) EXPECT_EQ(testing::ErrorOf(load), text) << loader;
}

TEST(SkinPictures, AMissingResourceGivesEachLoadersTextAndTheSystemsReason) {
  UseFace("face_diag.dll");
  TBitmap bitmap;
  TPicture picture;
  TGIFImage gif;
  TPNGObject png;
  const std::string reason = platform::Win32ErrorText(ERROR_RESOURCE_NAME_NOT_FOUND);
  const std::string check = "加载资源文件NOSUCH失败,请检查face_diag.dll文件是否正确!" + reason;
  ExpectFailures({{"LoadBmpImage", [&] { Skinresmanager::LoadBmpImage(&bitmap, "NOSUCH"); }, "加载位图文件NOSUCH异常:" + reason},
                  {"LoadGifImage", [&] { Skinresmanager::LoadGifImage(&picture, "NOSUCH"); }, "加载Gif文件NOSUCH异常:" + reason},
                  {"LoadFaceJPG", [&] { Faceinterface::LoadFaceJPG(&picture, "NOSUCH"); }, check},
                  {"LoadFaceBMP", [&] { Faceinterface::LoadFaceBMP(&bitmap, "NOSUCH"); }, check},
                  {"LoadFaceGif", [&] { Faceinterface::LoadFaceGif(&gif, "NOSUCH"); }, check},
                  {"LoadFacePng", [&] { Faceinterface::LoadFacePng(&png, "NOSUCH"); }, check}});
  // A resource of the kind that is not a picture of it: the decoder's reason follows.
  ExpectTextAndAReason([&] { Faceinterface::LoadFacePng(&png, "png.diag.broken"); },
                       "加载资源文件png.diag.broken失败,请检查face_diag.dll文件是否正确!PNG picture does not decode: ");
  EXPECT_TRUE(bitmap.Empty() && png.Empty() && gif.Empty() && picture.Graphic() == nullptr);
}

// A library that does not load leaves the initial values; blank names and missing targets load
// nothing, without even looking for the library.
TEST(SkinPictures, AMissingLibraryIsWrappedByEveryLoaderButLoadSkinPngAndBlankNamesLoadNothing) {
  UseFace("face_none.dll");
  EXPECT_EQ(GetSkinRootAttributeValue("facetype"), "");
  EXPECT_EQ(_GetSkinChildAttributeValueAsTColor_init, nullptr);
  EXPECT_EQ(GetSkinTableValue("dbgrideh", "titlefontcolor "), 0x666666u);
  EXPECT_EQ(HmMenuMouseFontColorBase, 0x755912u);
  TBitmap bitmap;
  TPicture picture;
  TPNGObject png;
  Skinresmanager::LoadBmpImage(&bitmap, " \t");
  Skinresmanager::LoadBmpImage(nullptr, "SAMPLE");
  Skinresmanager::LoadGifImage(&picture, "  ");
  Skinresmanager::LoadGifImage(static_cast<TPicture*>(nullptr), "SAMPLE");
  Skinresmanager::LoadGifImage(static_cast<TImage*>(nullptr), "SAMPLE");
  EXPECT_TRUE(bitmap.Empty() && picture.Graphic() == nullptr);
  const std::string missing = "[face_none.dll]文件不存在!";
  ExpectFailures(
      {{"LoadBmpImage", [&] { Skinresmanager::LoadBmpImage(&bitmap, "SAMPLE"); }, "加载位图文件SAMPLE异常:" + missing},
       {"LoadGifImage", [&] { Skinresmanager::LoadGifImage(&picture, "SAMPLE"); }, "加载Gif文件SAMPLE异常:" + missing},
       {"AddPictureToImageList", [&] { TImageList list; Skinresmanager::AddPictureToImageList(&list, "SAMPLE"); },
        "加载位图文件SAMPLE异常:" + missing},
       {"DrawPng", [&] { Skinresmanager::DrawPng("png.toolbar.bg", 0, 0, bitmap.Canvas()); }, missing},
       {"LoadSkinPng", [&] { Skinresmanager::LoadSkinPng("png.toolbar.bg"); }, missing},
       {"LoadSkinPngFromFile", [&] { Skinresmanager::LoadSkinPngFromFile("none.png", "png.toolbar.bg", &png); }, missing},
       // No library answers a facetype, so the resource library has no name at all.
       {"LoadFacePng", [&] { Faceinterface::LoadFacePng(&png, "png.toolbar.bg"); },
        "加载资源文件png.toolbar.bg失败,请检查文件是否正确![]文件不存在!"}});
}

// A loose PNG under the program's directory, removed when done.
struct LooseFile {
  LooseFile(const std::string& folder, const std::string& name, const std::string& bytes)
      : path(platform::ExecutableDirectory() + folder + name) {
    CreateDirectoryA((platform::ExecutableDirectory() + "skin").c_str(), nullptr);
    CreateDirectoryA((platform::ExecutableDirectory() + folder).c_str(), nullptr);
    std::ofstream(path, std::ios::binary) << bytes;
  }
  ~LooseFile() { DeleteFileA(path.c_str()); }
  const std::string path;
};

// The stock library, named in any case, reads loose files from form7 only, not from the folder
// of the other skins (which folder a library name gives: skin_description_test).
TEST(SkinPictures, LooseFilesOfTheStockSkinLieInForm7) {
  UseFace("FACE.DLL");
  const FaceImage* checked = Skinresmanager::LoadSkinPng("png.checkbox.checked");
  ASSERT_NE(checked, nullptr);
  const std::string loose(reinterpret_cast<const char*>(checked->png), checked->png_size);
  const std::string honoured = "honoured_" + std::to_string(GetCurrentProcessId()) + ".png";
  const std::string ignored = "ignored_" + std::to_string(GetCurrentProcessId()) + ".png";
  const LooseFile own_file("skin\\form7\\", honoured, loose);
  const LooseFile other_file("skin\\form7_black\\", ignored, loose);

  std::unique_ptr<TPNGObject> made(Skinresmanager::LoadSkinPngFromFile(honoured, "png.toolbar.bg", nullptr));
  ASSERT_NE(made, nullptr);
  EXPECT_EQ(made->SaveToBytes(), loose);
  TPNGObject given;
  EXPECT_EQ(Skinresmanager::LoadSkinPngFromFile(honoured, "", &given), &given);
  EXPECT_EQ(given.SaveToBytes(), loose);

  TPNGObject untouched;
  TPNGObject* library = Skinresmanager::LoadSkinPngFromFile(ignored, "png.toolbar.bg", &untouched);
  ASSERT_NE(library, nullptr);
  EXPECT_NE(library, &untouched);
  EXPECT_TRUE(untouched.Empty()) << "the given object is left alone";
  EXPECT_EQ(library->Image(), Skinresmanager::LoadSkinPng("png.toolbar.bg")) << "the library's own image";
  EXPECT_EQ(Skinresmanager::LoadSkinPngFromFile(ignored, "png.toolbar.bg", nullptr), library);
  EXPECT_EQ(Skinresmanager::LoadSkinPngFromFile(ignored, "", nullptr), nullptr);
  EXPECT_EQ(Skinresmanager::LoadSkinPngFromFile(ignored, "png.no.such", nullptr), nullptr);
}

}  // namespace
}  // namespace ruzi
