// Skinresmanager's PNG drawing operations (and through them the face image drawing under them)
// on a real window's canvas, from face_diag.dll: each places its image where it should, an opaque
// image shows its own colour and a half-transparent one is blended with the grey beneath;
// checked on a capture kept as a screenshot.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/environment.h"
#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/canvas.h"
#include "ruzirareva/ui/png_object.h"
#include "diag_pixels.h"
#include "screenshot.h"

namespace ruzi {
namespace {

using skin::DiagImage;
using skin::DiagImageLook;

TEST(SkinPngDrawing, EveryOperationPlacesAndBlendsOnAWindowsCanvas) {
  platform::SetEnvironment("FaceDllName", "face_diag.dll");
  constexpr uint32_t kGrey = 0x806040;  // 0xRRGGBB: a background every channel of which shows
  const HWND window = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                      nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  const HDC dc = GetDC(window);
  TCanvas canvas;
  canvas.SetHandle(dc);
  canvas.Brush().SetColor(static_cast<TColor>(0x406080));  // the same grey as a colour code
  canvas.FillRect({0, 0, 200, 100});

  const std::string opaque_name = testing::DiagImageWithAlpha(0xFF);
  const std::string half_name = testing::DiagImageWithAlpha(0x80);
  ASSERT_FALSE(opaque_name.empty() || half_name.empty());
  const DiagImageLook opaque = DiagImage(opaque_name);
  const uint32_t solid = testing::BlendedOver(opaque, kGrey);
  const uint32_t half = testing::BlendedOver(DiagImage(half_name), kGrey);
  const int w = opaque.width;
  const int h = opaque.height;
  TPNGObject png;
  Faceinterface::LoadFacePng(&png, opaque_name);

  Skinresmanager::DrawPng(opaque_name, 2, 2, canvas);
  Skinresmanager::DrawPng(half_name, 40, 2, canvas);
  const TRect centre{80 + 3, 2, 80 + 3 + w - 5, 2 + h};  // narrower than the image
  Skinresmanager::DrawPngCenter(opaque_name, canvas, centre);
  Skinresmanager::DrawPngStretch(opaque_name, canvas, {120, 2, 150, 30});
  Skinresmanager::DrawPngTile(opaque_name, canvas, {160, 2, 190, 30});
  const TRect tiles{2, 50, 2 + 2 * w + 1, 80};  // three tiles, the last past the right edge
  Skinresmanager::DrawPngObjStretchTile(&png, canvas, tiles);
  Skinresmanager::DrawPngObjCenter(&png, canvas, {100, 50, 100 + w + 10, 50 + h + 10});
  Skinresmanager::DrawPngObjTile(static_cast<const TPNGObject*>(nullptr), canvas, {150, 50, 190, 90});
  Skinresmanager::DrawPng("png.no.such", 150, 50, canvas);
  Skinresmanager::DrawPngStretch(half_name, canvas, {150, 50, 150, 90});  // no width: nothing
  canvas.Draw(150, 70, png);  // the picture class on its own, as any TGraphic

  canvas.SetHandle(nullptr);
  ReleaseDC(window, dc);
  const testing::Picture picture = testing::CaptureWindow(window);
  testing::SaveScreenshot(picture, "skin_png_drawing");
  DestroyWindow(window);
  ASSERT_EQ(picture.width, 200);
  const auto at = [&](int x, int y) { return picture.Rgb(x, y); };
  const struct {
    int x, y;
    uint32_t want;
    const char* what;
  } pixels[] = {
      {2, 2, solid, "natural size, top-left"},
      {2 + w - 1, 2 + h - 1, solid, "natural size, bottom-right"},
      {2 + w, 2, kGrey, "no wider"},
      {1, 1, kGrey, "not before"},
      {40, 2, half, "half alpha blended over the background"},
      {centre.Left - 2, 2, solid, "-5 / 2 truncates to -2"},
      {centre.Left - 3, 2, kGrey, "centred image's left edge"},
      {centre.Left - 2 + w - 1, 2, solid, "centred image's right edge"},
      {120, 2, solid, "stretched"},
      {149, 29, solid, "stretched to the corner"},
      {150, 29, kGrey, "stretch stops at the right"},
      {160, 2, solid, "tile: one stretched copy"},
      {189, 29, solid, "tile: to the corner"},
      {190, 2, kGrey, "tile stops at the right"},
      {2, 50, solid, "first stretch tile"},
      {2 + w, 79, solid, "second tile, stretched to the height"},
      {2 + 2 * w, 50, solid, "third tile"},
      {2 + 3 * w - 1, 65, solid, "the last tile reaches past the right edge"},
      {2 + 3 * w, 65, kGrey, "and no further"},
      {2, 80, kGrey, "tiles stop at the bottom"},
      {105, 55, solid, "object centred"},
      {104, 55, kGrey, "object centred: five to the left"},
      {150, 50, kGrey, "null and unknown images, and no width, draw nothing"},
      {150, 70, solid, "TCanvas::Draw of a TPNGObject"},
      {150 + w - 1, 70 + h - 1, solid, "TCanvas::Draw at natural size"},
      {150 + w, 70, kGrey, "and no wider"},
  };
  for (const auto& pixel : pixels) {
    EXPECT_TRUE(testing::NearColour(at(pixel.x, pixel.y), pixel.want))
        << pixel.what << ": " << std::hex << at(pixel.x, pixel.y) << " want " << pixel.want;
  }
}

}  // namespace
}  // namespace ruzi
