// Skin images drawn on a real window from face_diag.dll: natural size, centred, stretched and
// stretch-tiled, an opaque image exactly its colour and a half-transparent one blended with the
// white beneath; checked on a capture of the window, which is kept as a screenshot.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "screenshot.h"
#include "diag_image_pixels.h"
#include "ui/face_image_draw.h"

namespace ruzi::ui {
namespace {

using skin::DiagImageLook;
using skin::PngRect;

constexpr uint32_t kWhite = 0xFFFFFF;

class FaceImageDraw : public ::testing::Test {
 protected:
  void SetUp() override {
    face_ = LoadLibraryA("face_diag.dll");
    ASSERT_NE(face_, nullptr);
    load_ = reinterpret_cast<FaceImageQuery>(reinterpret_cast<void*>(GetProcAddress(face_, "LoadSkinPng")));
    ASSERT_NE(load_, nullptr);
    window_ = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 120, nullptr, nullptr,
                              nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    dc_ = GetDC(window_);
    const RECT all{0, 0, 240, 120};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  void TearDown() override {
    if (dc_) ReleaseDC(window_, dc_);
    if (window_) DestroyWindow(window_);
    if (face_) FreeLibrary(face_);
  }
  const FaceImage* Image(const std::string& name) {
    const FaceImage* image = load_(name.c_str());
    EXPECT_NE(image, nullptr) << name;
    return image;
  }

  HMODULE face_ = nullptr;
  FaceImageQuery load_ = nullptr;
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
};

TEST_F(FaceImageDraw, EveryOperationPlacesAndBlendsItsImage) {
  const std::string opaque_name = testing::DiagImageWithAlpha(0xFF);
  const std::string half_name = testing::DiagImageWithAlpha(0x80);
  ASSERT_FALSE(opaque_name.empty());
  ASSERT_FALSE(half_name.empty());
  const FaceImage* opaque = Image(opaque_name);
  const FaceImage* half = Image(half_name);
  ASSERT_TRUE(opaque && half);
  const DiagImageLook look = skin::DiagImage(opaque_name);
  const uint32_t solid = testing::BlendedOver(look, kWhite);  // alpha 255: the colour itself
  const int w = opaque->width;
  const int h = opaque->height;

  DrawFaceImageAt(dc_, opaque, 2, 2);
  DrawFaceImageAt(dc_, half, 30, 2);
  // A rectangle narrower than the image: the image starts before it.
  const PngRect centre{60 + 3, 2, 60 + 3 + w - 5, 2 + h};
  DrawFaceImageCentre(dc_, opaque, centre);
  DrawFaceImageStretch(dc_, opaque, {100, 2, 140, 32});
  const PngRect tiles{2, 60, 2 + 2 * w + 1, 90};  // three tiles, the last past the right edge
  DrawFaceImageStretchTile(dc_, opaque, tiles);
  DrawFaceImageAt(dc_, nullptr, 150, 60);
  DrawFaceImageStretch(dc_, half, {150, 60, 150, 90});  // no width: nothing

  const testing::Picture picture = testing::CaptureWindow(window_);
  testing::SaveScreenshot(picture, "skin_face_image_draw");
  ASSERT_EQ(picture.width, 240);
  const auto at = [&](int x, int y) { return picture.Rgb(x, y); };

  EXPECT_EQ(at(2, 2), solid);
  EXPECT_EQ(at(2 + w - 1, 2 + h - 1), solid);
  EXPECT_EQ(at(2 + w, 2), kWhite) << "natural size, no wider";
  EXPECT_EQ(at(1, 1), kWhite);

  const uint32_t blended = testing::BlendedOver(skin::DiagImage(half_name), kWhite);
  EXPECT_TRUE(testing::NearColour(at(30, 2), blended)) << std::hex << at(30, 2) << " want " << blended;
  EXPECT_TRUE(testing::NearColour(at(30 + half->width - 1, 2 + half->height - 1), blended));

  const int centre_x = centre.left + (centre.right - centre.left - w) / 2;
  EXPECT_EQ(centre_x, centre.left - 2) << "-5 / 2 truncates to -2";
  EXPECT_EQ(at(centre_x, 2), solid);
  EXPECT_EQ(at(centre_x - 1, 2), kWhite);
  EXPECT_EQ(at(centre_x + w - 1, 2), solid);

  EXPECT_EQ(at(100, 2), solid);
  EXPECT_EQ(at(139, 31), solid);
  EXPECT_EQ(at(140, 31), kWhite);
  EXPECT_EQ(at(100, 32), kWhite);

  for (int tile = 0; tile < 3; ++tile) {
    EXPECT_EQ(at(tiles.left + tile * w, 60), solid) << "tile " << tile;
    EXPECT_EQ(at(tiles.left + tile * w, 89), solid) << "stretched to the height, tile " << tile;
  }
  EXPECT_EQ(at(tiles.left + 3 * w - 1, 75), solid) << "the last tile reaches past the right edge";
  EXPECT_EQ(at(tiles.left + 3 * w, 75), kWhite);
  EXPECT_EQ(at(150, 60), kWhite);
}

}  // namespace
}  // namespace ruzi::ui
