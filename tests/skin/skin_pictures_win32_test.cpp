// The skin's picture loaders against face_diag.dll beside this test: each reads its sample
// (bitmap, GIF, JPEG, PNG, icon), each failure carries its text byte for byte, a loose PNG
// counts only for its own library. Each case starts from "FaceDllName" naming its library (one process per case).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>

#include "error_text.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/win32_error.h"
#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/bitmap.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/image.h"
#include "ruzirareva/ui/image_list.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"
#include "diag_pixels.h"

namespace ruzi {
namespace {

using skin::DiagImage;
using skin::DiagImageLook;

void UseFace(const char* file) { platform::SetEnvironment("FaceDllName", file); }

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

  TBitmap bitmap;
  Skinresmanager::LoadBmpImage(&bitmap, "SAMPLE");
  EXPECT_EQ(std::pair(bitmap.Width(), bitmap.Height()), std::pair(bmp.width, bmp.height));
  EXPECT_EQ(static_cast<uint32_t>(bitmap.Canvas().Pixel(0, 0)), Opaque("bmp.SAMPLE"));

  TBitmap from_stream;
  Faceinterface::LoadFaceBMP(&from_stream, "SAMPLE");
  EXPECT_EQ(std::pair(from_stream.Width(), from_stream.Height()), std::pair(bmp.width, bmp.height));
  EXPECT_EQ(static_cast<uint32_t>(from_stream.Canvas().Pixel(bmp.width - 1, bmp.height - 1)), Opaque("bmp.SAMPLE"));

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

TEST(SkinPictures, BlankNamesAndMissingTargetsLoadNothing) {
  UseFace("face_none.dll");  // nothing may even look for the library
  TBitmap bitmap;
  Skinresmanager::LoadBmpImage(&bitmap, " \t");
  Skinresmanager::LoadBmpImage(nullptr, "SAMPLE");
  TPicture picture;
  Skinresmanager::LoadGifImage(&picture, "  ");
  Skinresmanager::LoadGifImage(static_cast<TPicture*>(nullptr), "SAMPLE");
  Skinresmanager::LoadGifImage(static_cast<TImage*>(nullptr), "SAMPLE");
  EXPECT_TRUE(bitmap.Empty());
  EXPECT_EQ(picture.Graphic(), nullptr);
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
  const std::string broken = testing::ErrorOf([&] { Faceinterface::LoadFacePng(&png, "png.diag.broken"); });
  const std::string prefix = "加载资源文件png.diag.broken失败,请检查face_diag.dll文件是否正确!PNG picture does not decode: ";
  EXPECT_EQ(broken.substr(0, prefix.size()), prefix);
  EXPECT_GT(broken.size(), prefix.size());
  EXPECT_TRUE(bitmap.Empty() && png.Empty() && gif.Empty() && picture.Graphic() == nullptr);
}

TEST(SkinPictures, AMissingLibraryIsWrappedByEveryLoaderButLoadSkinPng) {
  UseFace("face_none.dll");
  TBitmap bitmap;
  TPicture picture;
  TPNGObject png;
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
class LooseFile {
 public:
  LooseFile(const std::string& folder, const std::string& name, const std::string& bytes)
      : path_(platform::ExecutableDirectory() + folder + name) {
    CreateDirectoryA((platform::ExecutableDirectory() + "skin").c_str(), nullptr);
    CreateDirectoryA((platform::ExecutableDirectory() + folder).c_str(), nullptr);
    std::ofstream(path_, std::ios::binary) << bytes;
  }
  ~LooseFile() { DeleteFileA(path_.c_str()); }

 private:
  std::string path_;
};

std::string PngBytes(const char* name) {
  const FaceImage* image = Skinresmanager::LoadSkinPng(name);
  return image ? std::string(reinterpret_cast<const char*>(image->png), image->png_size) : "";
}

// Each library reads loose files from its own folder only: `own` is honoured, `other` not.
void ExpectLooseFilesOf(const char* face, const std::string& own, const std::string& other) {
  UseFace(face);
  const std::string loose = PngBytes("png.checkbox.checked");
  ASSERT_FALSE(loose.empty());
  const std::string honoured = "honoured_" + std::to_string(GetCurrentProcessId()) + ".png";
  const std::string ignored = "ignored_" + std::to_string(GetCurrentProcessId()) + ".png";
  const LooseFile own_file(own, honoured, loose);
  const LooseFile other_file(other, ignored, loose);

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

TEST(SkinPictures, LooseFilesOfTheStockSkinLieInForm7) {
  ExpectLooseFilesOf("FACE.DLL", "skin\\form7\\", "skin\\form7_black\\");
}

TEST(SkinPictures, LooseFilesOfAnyOtherSkinLieInForm7Black) {
  ExpectLooseFilesOf("face_diag.dll", "skin\\form7_black\\", "skin\\form7\\");
}

}  // namespace
}  // namespace ruzi
