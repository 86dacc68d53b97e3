#pragma once
// A bitmap in memory (a DIB section, top row first), with a canvas to draw on it and direct
// access to its rows. Drawn stretched; when Transparent, pixels of the transparent colour are
// left out (tmAuto: the colour of the bottom-left pixel). Windows only. Belongs to the thread
// that draws with it.
#include <cstdint>
#include <memory>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/canvas.h"
#include "ruzirareva/ui/color.h"
#include "ruzirareva/ui/graphic.h"

struct HBITMAP__;

namespace ruzi {

// pfDevice is kept as 32 bits a pixel; pf24bit and pf32bit as named. Others are refused.
enum class TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum class TTransparentMode { tmAuto, tmFixed };

class RUZI_API TBitmap : public TGraphic {
  RUZI_CLASS_RECORD(TBitmap, TGraphic::ClassRecord())

 public:
  TBitmap();
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;
  ~TBitmap() override;

  bool Empty() const override { return width_ == 0 || height_ == 0; }
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void SetWidth(int width) { SetSize(width, height_); }
  void SetHeight(int height) { SetSize(width_, height); }
  // Keeps the part of the image that still fits; new pixels are black.
  void SetSize(int width, int height);
  TPixelFormat PixelFormat() const { return format_; }
  void SetPixelFormat(TPixelFormat format);

  HBITMAP__* Handle() const { return handle_; }
  // Takes over a bitmap of any kind (LoadBitmapA's): its image is copied and it is deleted.
  void SetHandle(HBITMAP__* bitmap);
  // The image of a BITMAP resource of a module (nullptr: the executable).
  void LoadFromResourceName(void* module, const std::string& name);

  TCanvas& Canvas();
  // Row `row` (0 at the top): 3 bytes a pixel (blue, green, red) for pf24bit, 4 otherwise.
  uint8_t* ScanLine(int row);

  TTransparentMode TransparentMode() const { return transparent_mode_; }
  void SetTransparentMode(TTransparentMode mode) { transparent_mode_ = mode; }
  // tmAuto: the bottom-left pixel's colour.
  TColor TransparentColor();
  void SetTransparentColor(TColor color);

  void Draw(TCanvas& canvas, const TRect& rect) override;
  // A .bmp file.
  void LoadFromFile(const std::string& path) override;
  TGraphic* Clone() const override;
  void Assign(TPersistent* source) override;

 private:
  class BitmapCanvas;
  void Recreate(int width, int height, TPixelFormat format);
  int BytesPerPixel() const { return format_ == TPixelFormat::pf24bit ? 3 : 4; }
  int Stride() const { return (width_ * BytesPerPixel() + 3) & ~3; }

  HBITMAP__* handle_ = nullptr;
  uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat format_ = TPixelFormat::pfDevice;
  TTransparentMode transparent_mode_ = TTransparentMode::tmAuto;
  TColor transparent_color_ = clDefault;
  std::unique_ptr<BitmapCanvas> canvas_;
};

}  // namespace ruzi
