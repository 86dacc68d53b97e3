// Bitmaps, icons, canvases and image lists drawn for real by GDI under Wine, read back pixel by
// pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "error_text.h"
#include "ui/bitmap.h"
#include "ui/icon.h"
#include "ui/image_list.h"
#include "ui/picture.h"
#include "ui_window_pixels_win32.h"

namespace ruzi {
namespace {

// 0xRRGGBB of a pixel read from the bitmap's own rows.
uint32_t Pixel(TBitmap& bitmap, int x, int y) {
  const int size = bitmap.PixelFormat() == TPixelFormat::pf24bit ? 3 : 4;
  const uint8_t* p = bitmap.ScanLine(y) + x * size;
  return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

void Fill(TBitmap& bitmap, const TRect& rect, TColor color) {
  bitmap.Canvas().Brush().SetColor(color);
  bitmap.Canvas().FillRect(rect);
}

TEST(GraphicsUi, BitmapKeepsWhatFitsWhenResizedOrConverted) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetSize(30, 20);
  Fill(bitmap, {0, 0, 30, 20}, clRed);
  Fill(bitmap, {10, 5, 12, 7}, clBtnFace);
  EXPECT_EQ(Pixel(bitmap, 0, 0), 0xFF0000u);
  EXPECT_EQ(Pixel(bitmap, 11, 6), testing::SystemRgb(COLOR_BTNFACE)) << "a system colour drawn as the system has it";
  bitmap.SetSize(40, 25);
  EXPECT_EQ(Pixel(bitmap, 29, 19), 0xFF0000u);
  EXPECT_EQ(Pixel(bitmap, 35, 22), 0x000000u);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_EQ(Pixel(bitmap, 29, 19), 0xFF0000u);
  EXPECT_EQ(Pixel(bitmap, 39, 24), 0x000000u);
  EXPECT_EQ(testing::ErrorOf([&] { bitmap.ScanLine(25); }), "Scan line index out of range (25)");
  EXPECT_EQ(testing::ErrorOf([&] { bitmap.SetPixelFormat(TPixelFormat::pf8bit); }), "Unsupported pixel format (3)");
  TBitmap copy;
  copy.Assign(&bitmap);
  Fill(bitmap, {0, 0, 40, 25}, clBlue);
  EXPECT_EQ(Pixel(copy, 0, 0), 0xFF0000u) << "a copy of its own";
}

TEST(GraphicsUi, TransparentBitmapLeavesItsBackgroundOut) {
  for (bool fixed : {false, true}) {
    TBitmap sprite, target;
    sprite.SetSize(10, 10);
    Fill(sprite, {0, 0, 10, 10}, clFuchsia);
    Fill(sprite, {3, 3, 7, 7}, clBlue);
    if (fixed) {
      Fill(sprite, {0, 9, 1, 10}, clLime);  // the auto colour would now be lime
      sprite.SetTransparentColor(clFuchsia);
    }
    sprite.SetTransparent(true);
    target.SetSize(20, 20);
    Fill(target, {0, 0, 20, 20}, clWhite);
    target.Canvas().Draw(5, 5, sprite);
    EXPECT_EQ(Pixel(target, 6, 6), 0xFFFFFFu) << fixed;
    EXPECT_EQ(Pixel(target, 10, 10), 0x0000FFu) << fixed;
    target.Canvas().StretchDraw({0, 0, 20, 20}, sprite);
    EXPECT_EQ(Pixel(target, 10, 10), 0x0000FFu);
    EXPECT_EQ(Pixel(target, 1, 1), 0xFFFFFFu);
  }
}

TEST(GraphicsUi, CanvasDrawsGbkTextLinesAndPixels) {
  TBitmap bitmap;
  bitmap.SetSize(120, 30);
  TCanvas& canvas = bitmap.Canvas();
  Fill(bitmap, {0, 0, 120, 30}, clWhite);
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TSize one = canvas.TextExtent("确");
  const TSize two = canvas.TextExtent("确定");
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(two.cx, one.cx) << "two characters, not four bytes' worth of one";
  canvas.TextOut(2, 2, "确定");
  int dark = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) dark += Pixel(bitmap, x, y) != 0xFFFFFF;
  }
  EXPECT_GT(dark, 10);
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(0, 28);
  canvas.LineTo(120, 28);
  EXPECT_EQ(Pixel(bitmap, 60, 28), 0xFF0000u);
  canvas.SetPixel(119, 0, clLime);
  EXPECT_EQ(canvas.Pixel(119, 0), clLime);
}

// An opaque icon of one colour (an all-zero AND mask), from 32-bit BGRA bits.
HICON MakeIcon(int size, COLORREF colour) {
  const std::vector<uint32_t> bits(static_cast<size_t>(size) * size, RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
  const std::vector<uint8_t> mask(static_cast<size_t>(size) * size / 8, 0);
  return CreateIcon(nullptr, size, size, 1, 32, mask.data(), reinterpret_cast<const BYTE*>(bits.data()));
}

TEST(GraphicsUi, IconsAndPicturesDrawAndCopy) {
  TIcon icon;
  icon.SetHandle(MakeIcon(16, RGB(0, 0, 255)));
  EXPECT_EQ(icon.Width(), 16);
  EXPECT_EQ(icon.Height(), 16);
  TPicture picture;
  picture.Assign(&icon);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(static_cast<TIcon*>(picture.Graphic())->Handle(), icon.Handle());
  TBitmap target;
  target.SetSize(40, 40);
  Fill(target, {0, 0, 40, 40}, clWhite);
  target.Canvas().StretchDraw({0, 0, 32, 32}, *picture.Graphic());
  EXPECT_EQ(Pixel(target, 30, 30), 0x0000FFu);
  EXPECT_EQ(Pixel(target, 35, 35), 0xFFFFFFu);
  picture.Bitmap().SetSize(5, 6);
  EXPECT_EQ(picture.Width(), 5) << "an icon replaced by a bitmap";
  EXPECT_EQ(testing::ErrorOf([&] { picture.LoadFromFile("Z:\\nowhere\\none.ico"); }),
            "Cannot load icon Z:\\nowhere\\none.ico");
}

TEST(GraphicsUi, ImageListCutsMasksDrawsAndCounts) {
  TImageList list;
  TBitmap strip;
  strip.SetSize(32, 16);
  Fill(strip, {0, 0, 32, 16}, clWhite);
  Fill(strip, {4, 4, 12, 12}, clRed);
  Fill(strip, {20, 4, 28, 12}, clBlue);
  EXPECT_EQ(list.AddMasked(strip, clWhite), 0);
  EXPECT_EQ(list.Count(), 2) << "a strip twice as wide as the images is two images";
  TIcon icon;
  icon.SetHandle(MakeIcon(16, RGB(0, 255, 0)));
  EXPECT_EQ(list.AddIcon(icon), 2);

  TBitmap target;
  target.SetSize(48, 16);
  Fill(target, {0, 0, 48, 16}, clYellow);
  list.Draw(target.Canvas(), 0, 0, 1);
  list.Draw(target.Canvas(), 16, 0, 0);
  list.Draw(target.Canvas(), 32, 0, 2);
  EXPECT_EQ(Pixel(target, 8, 8), 0x0000FFu) << "image 1 is the blue half";
  EXPECT_EQ(Pixel(target, 1, 1), 0xFFFF00u) << "its white is masked out";
  EXPECT_EQ(Pixel(target, 24, 8), 0xFF0000u);
  EXPECT_EQ(Pixel(target, 40, 8), 0x00FF00u);

  TBitmap image;
  list.GetBitmap(0, image);
  EXPECT_EQ(image.Width(), 16);
  EXPECT_EQ(Pixel(image, 8, 8), 0xFF0000u);
  TIcon back;
  list.GetIcon(2, back);
  EXPECT_EQ(back.Width(), 16);

  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(testing::ErrorOf([&] { list.Draw(target.Canvas(), 0, 0, 2); }), "Invalid image index (2)");
  list.SetWidth(24);
  EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
}

}  // namespace
}  // namespace ruzi
