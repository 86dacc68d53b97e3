// Skinresmanager's PNG drawing operations (and through them the face image drawing under them)
// on a real window's canvas, from face_diag.dll: each places its image where it should, an opaque
// image shows its own colour and a half-transparent one is blended with the grey beneath;
// checked on a capture kept as a screenshot against tests/data/ui_png_drawing_pixels.txt.
#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <sstream>
#include <string>

#include "platform/environment.h"
#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/canvas.h"
#include "ruzirareva/ui/png_object.h"
#include "diag_pixels.h"
#include "screenshot.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using skin::DiagImage;
using skin::DiagImageLook;

// "2+3w-1": numbers and multiples of the image's width and height, added up.
int Coordinate(const std::string& text, int w, int h) {
  std::istringstream in(text);
  int sum = 0;
  for (char sign = '+'; in; in >> sign) {
    int factor = 1;
    if (std::isdigit(in.peek())) in >> factor;
    if (in.peek() == 'w' || in.peek() == 'h') factor *= in.get() == 'w' ? w : h;
    sum += sign == '-' ? -factor : factor;
  }
  return sum;
}

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
  const std::map<std::string, uint32_t> colours{{"solid", solid}, {"half", half}, {"grey", kGrey}};
  for (const testing::VectorCase& pixel : testing::ReadVectors("ui_png_drawing_pixels.txt")) {
    const uint32_t got = picture.Rgb(Coordinate(pixel.at(0), w, h), Coordinate(pixel.at(1), w, h));
    EXPECT_TRUE(testing::NearColour(got, colours.at(pixel.at(2)))) << pixel.at(3) << ": " << std::hex << got;
  }
}

}  // namespace
}  // namespace ruzi
