// Bitmaps, icons, canvases and image lists drawn for real by GDI under Wine, read back pixel by
// pixel.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
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

// A white bitmap of the size given.
void Blank(TBitmap& bitmap, int width, int height) {
  bitmap.SetSize(width, height);
  Fill(bitmap, {0, 0, width, height}, clWhite);
}

struct At {
  int x, y;
  uint32_t rgb;
};

void ExpectPixels(TBitmap& bitmap, std::initializer_list<At> pixels, const std::string& what) {
  for (const At& at : pixels) EXPECT_EQ(Pixel(bitmap, at.x, at.y), at.rgb) << what << " at " << at.x << "," << at.y;
}

TEST(GraphicsUi, BitmapKeepsWhatFitsWhenResizedOrConverted) {
  TBitmap bitmap;
  EXPECT_TRUE(bitmap.Empty());
  bitmap.SetSize(30, 20);
  Fill(bitmap, {0, 0, 30, 20}, clRed);
  Fill(bitmap, {10, 5, 12, 7}, clBtnFace);
  ExpectPixels(bitmap, {{0, 0, 0xFF0000}, {11, 6, testing::SystemRgb(COLOR_BTNFACE)}}, "a system colour as the system has it");
  bitmap.SetSize(40, 25);
  ExpectPixels(bitmap, {{29, 19, 0xFF0000}, {35, 22, 0}}, "resized");
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  ExpectPixels(bitmap, {{29, 19, 0xFF0000}, {39, 24, 0}}, "24 bits");
  EXPECT_EQ(testing::ErrorOf([&] { bitmap.ScanLine(25); }), "Scan line index out of range (25)");
  EXPECT_EQ(testing::ErrorOf([&] { bitmap.SetPixelFormat(TPixelFormat::pf8bit); }), "Unsupported pixel format (3)");
  TBitmap copy;
  copy.Assign(&bitmap);
  Fill(bitmap, {0, 0, 40, 25}, clBlue);
  ExpectPixels(copy, {{0, 0, 0xFF0000}}, "a copy of its own");
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
    Blank(target, 20, 20);
    target.Canvas().Draw(5, 5, sprite);
    ExpectPixels(target, {{6, 6, 0xFFFFFF}, {10, 10, 0x0000FF}}, fixed ? "drawn, fixed colour" : "drawn");
    target.Canvas().StretchDraw({0, 0, 20, 20}, sprite);
    ExpectPixels(target, {{10, 10, 0x0000FF}, {1, 1, 0xFFFFFF}}, fixed ? "stretched, fixed colour" : "stretched");
  }
}

TEST(GraphicsUi, CanvasDrawsGbkTextLinesAndPixels) {
  TBitmap bitmap;
  Blank(bitmap, 120, 30);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Font().SetColor(clBlack);
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  const TSize one = canvas.TextExtent("确");
  EXPECT_GT(one.cx, 0);
  EXPECT_GT(canvas.TextExtent("确定").cx, one.cx) << "two characters, not four bytes' worth of one";
  canvas.TextOut(2, 2, "确定");
  int dark = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) dark += Pixel(bitmap, x, y) != 0xFFFFFF;
  }
  EXPECT_GT(dark, 10);
  canvas.Pen().SetColor(clRed);
  canvas.MoveTo(0, 28);
  canvas.LineTo(120, 28);
  ExpectPixels(bitmap, {{60, 28, 0xFF0000}}, "the line");
  canvas.SetPixel(119, 0, clLime);
  EXPECT_EQ(canvas.Pixel(119, 0), clLime);
}

// An opaque icon of one colour (an all-zero AND mask), from 32-bit BGRA bits.
HICON MakeIcon(int size, COLORREF colour) {
  const std::vector<uint32_t> bits(static_cast<size_t>(size) * size, RGB(GetBValue(colour), GetGValue(colour), GetRValue(colour)));
  const std::vector<uint8_t> mask(static_cast<size_t>(size) * size / 8, 0);
  return CreateIcon(nullptr, size, size, 1, 32, mask.data(), reinterpret_cast<const BYTE*>(bits.data()));
}

// A picture holds a copy of the icon and draws it stretched; an image list cuts a strip, masks
// its white out and takes an icon; images and icons come back out of it.
TEST(GraphicsUi, IconsPicturesAndImageListsDrawAndCopy) {
  TIcon icon, green;
  icon.SetHandle(MakeIcon(16, RGB(0, 0, 255)));
  green.SetHandle(MakeIcon(16, RGB(0, 255, 0)));
  EXPECT_EQ((TSize{icon.Width(), icon.Height()}), (TSize{16, 16}));
  TPicture picture;
  picture.Assign(&icon);
  ASSERT_NE(picture.Graphic(), nullptr);
  EXPECT_NE(static_cast<TIcon*>(picture.Graphic())->Handle(), icon.Handle());
  TBitmap target, strip;
  Blank(target, 40, 40);
  target.Canvas().StretchDraw({0, 0, 32, 32}, *picture.Graphic());
  ExpectPixels(target, {{30, 30, 0x0000FF}, {35, 35, 0xFFFFFF}}, "the picture stretched");
  picture.Bitmap().SetSize(5, 6);
  EXPECT_EQ(picture.Width(), 5) << "an icon replaced by a bitmap";
  EXPECT_EQ(testing::ErrorOf([&] { picture.LoadFromFile("Z:\\nowhere\\none.ico"); }), "Cannot load icon Z:\\nowhere\\none.ico");

  TImageList list;
  Blank(strip, 32, 16);
  Fill(strip, {4, 4, 12, 12}, clRed);
  Fill(strip, {20, 4, 28, 12}, clBlue);
  EXPECT_EQ(list.AddMasked(strip, clWhite), 0);
  EXPECT_EQ(list.Count(), 2) << "a strip twice as wide as the images is two images";
  EXPECT_EQ(list.AddIcon(green), 2);
  target.SetSize(48, 16);
  Fill(target, {0, 0, 48, 16}, clYellow);
  for (int slot : {0, 1, 2}) list.Draw(target.Canvas(), 16 * slot, 0, slot == 2 ? 2 : 1 - slot);  // images 1, 0, 2
  ExpectPixels(target, {{8, 8, 0x0000FF}, {1, 1, 0xFFFF00}, {24, 8, 0xFF0000}, {40, 8, 0x00FF00}},
               "images 1 (its white masked out), 0 and 2");
  TBitmap image;
  list.GetBitmap(0, image);
  EXPECT_EQ(image.Width(), 16);
  ExpectPixels(image, {{8, 8, 0xFF0000}}, "image 0 back");
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
