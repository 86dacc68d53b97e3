#pragma once
// A drawing surface over a device context: a pen for lines, a brush for fills and a font for
// text, selected into the DC when a drawing call needs them. A canvas does not own its DC
// unless a derived class makes one (a bitmap's canvas); SetHandle(nullptr) lets the DC go and
// puts back what was selected into it. Text is GBK. Drawing is Windows only. A canvas belongs
// to the thread that paints with it.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/ui/color.h"
#include "ruzirareva/ui/font.h"
#include "ruzirareva/ui/geometry.h"

struct HDC__;
struct HPEN__;
struct HBRUSH__;
struct HGDIOBJ__;

namespace ruzi {

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear };
enum class TBrushStyle { bsSolid, bsClear };

class RUZI_API TPen : public TPersistent {
 public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;
  ~TPen() override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  HPEN__* Handle() const;

  TNotifyEvent OnChange;

 private:
  void Changed();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = TPenStyle::psSolid;
  mutable HPEN__* handle_ = nullptr;
};

class RUZI_API TBrush : public TPersistent {
 public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;
  ~TBrush() override;

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  HBRUSH__* Handle() const;

  TNotifyEvent OnChange;

 private:
  void Changed();
  TColor color_ = clWhite;
  TBrushStyle style_ = TBrushStyle::bsSolid;
  mutable HBRUSH__* handle_ = nullptr;
};

class TGraphic;

class RUZI_API TCanvas : public TPersistent {
 public:
  TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas() override;

  // The DC, made by CreateHandle when there is none yet (a bitmap's canvas makes one).
  HDC__* Handle();
  void SetHandle(HDC__* dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TPen& Pen() { return pen_; }
  TBrush& Brush() { return brush_; }
  TFont& Font() { return font_; }

  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // Outlined with the pen and filled with the brush.
  void Rectangle(const TRect& rect);
  void Ellipse(const TRect& rect);
  // Filled with the brush alone; FrameRect draws a one-pixel border with it.
  void FillRect(const TRect& rect);
  void FrameRect(const TRect& rect);
  void DrawFocusRect(const TRect& rect);
  // Text at (x, y), its background the brush's colour unless the brush is clear.
  void TextOut(int x, int y, const std::string& text);
  // The same, clipped to `rect`.
  void TextRect(const TRect& rect, int x, int y, const std::string& text);
  TSize TextExtent(const std::string& text);
  int TextWidth(const std::string& text) { return TextExtent(text).cx; }
  int TextHeight(const std::string& text) { return TextExtent(text).cy; }
  // A picture at its own size, and stretched to a rectangle.
  void Draw(int x, int y, TGraphic& graphic);
  void StretchDraw(const TRect& rect, TGraphic& graphic);
  // Copies part of another canvas, stretched to `dest`.
  void CopyRect(const TRect& dest, TCanvas& source, const TRect& source_rect);
  TColor Pixel(int x, int y);
  void SetPixel(int x, int y, TColor color);

 protected:
  virtual void CreateHandle() {}

 private:
  void RequireState();
  void DeselectObjects();
  void ObjectChanged();

  HDC__* dc_ = nullptr;
  TPen pen_;
  TBrush brush_;
  TFont font_;
  bool selected_ = false;
  HGDIOBJ__* saved_pen_ = nullptr;
  HGDIOBJ__* saved_brush_ = nullptr;
  HGDIOBJ__* saved_font_ = nullptr;
};

}  // namespace ruzi
