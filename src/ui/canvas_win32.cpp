#include <windows.h>

#include "platform/text_encoding.h"
#include "ui/canvas.h"
#include "ui/graphic.h"

namespace ruzi {

TPen::~TPen() {
  if (handle_ != nullptr) DeleteObject(handle_);
}

void TPen::Changed() {
  HPEN old = handle_;
  handle_ = nullptr;
  OnChange(this);  // a canvas lets the old one go here
  if (old != nullptr) DeleteObject(old);
}

HPEN__* TPen::Handle() const {
  if (handle_ == nullptr) {
    static constexpr int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    handle_ = CreatePen(kStyles[static_cast<int>(style_)], width_, ColorToRGB(color_));
  }
  return handle_;
}

TBrush::~TBrush() {
  if (handle_ != nullptr) DeleteObject(handle_);
}

void TBrush::Changed() {
  HBRUSH old = handle_;
  handle_ = nullptr;
  OnChange(this);  // a canvas lets the old one go here
  if (old != nullptr) DeleteObject(old);
}

HBRUSH__* TBrush::Handle() const {
  if (handle_ == nullptr) {
    handle_ = style_ == TBrushStyle::bsClear ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))
                                             : CreateSolidBrush(ColorToRGB(color_));
  }
  return handle_;
}

void TCanvas::RequireState() {
  Handle();
  if (dc_ == nullptr || selected_) return;
  saved_pen_ = static_cast<HGDIOBJ__*>(SelectObject(dc_, pen_.Handle()));
  saved_brush_ = static_cast<HGDIOBJ__*>(SelectObject(dc_, brush_.Handle()));
  saved_font_ = static_cast<HGDIOBJ__*>(SelectObject(dc_, font_.Handle()));
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  SetBkColor(dc_, ColorToRGB(brush_.Color()));
  SetBkMode(dc_, brush_.Style() == TBrushStyle::bsClear ? TRANSPARENT : OPAQUE);
  selected_ = true;
}

void TCanvas::DeselectObjects() {
  if (dc_ != nullptr && selected_) {
    SelectObject(dc_, saved_pen_);
    SelectObject(dc_, saved_brush_);
    SelectObject(dc_, saved_font_);
  }
  selected_ = false;
}

void TCanvas::MoveTo(int x, int y) {
  RequireState();
  MoveToEx(dc_, x, y, nullptr);
}

void TCanvas::LineTo(int x, int y) {
  RequireState();
  ::LineTo(dc_, x, y);
}

void TCanvas::Rectangle(const TRect& rect) {
  RequireState();
  ::Rectangle(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::Ellipse(const TRect& rect) {
  RequireState();
  ::Ellipse(dc_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvas::FillRect(const TRect& rect) {
  RequireState();
  const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::FillRect(dc_, &area, brush_.Handle());
}

void TCanvas::FrameRect(const TRect& rect) {
  RequireState();
  const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::FrameRect(dc_, &area, brush_.Handle());
}

void TCanvas::DrawFocusRect(const TRect& rect) {
  RequireState();
  const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  ::DrawFocusRect(dc_, &area);
}

void TCanvas::TextOut(int x, int y, const std::string& text) {
  RequireState();
  const std::wstring wide = platform::GbkToWide(text);
  ExtTextOutW(dc_, x, y, 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

void TCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  RequireState();
  const std::wstring wide = platform::GbkToWide(text);
  const RECT area{rect.Left, rect.Top, rect.Right, rect.Bottom};
  const UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(dc_, x, y, options, &area, wide.c_str(), static_cast<UINT>(wide.size()), nullptr);
}

TSize TCanvas::TextExtent(const std::string& text) {
  RequireState();
  const std::wstring wide = platform::GbkToWide(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_, wide.c_str(), static_cast<int>(wide.size()), &size);
  return TSize{size.cx, size.cy};
}

void TCanvas::Draw(int x, int y, TGraphic& graphic) {
  if (graphic.Empty()) return;
  StretchDraw(TRect{x, y, x + graphic.Width(), y + graphic.Height()}, graphic);
}

void TCanvas::StretchDraw(const TRect& rect, TGraphic& graphic) {
  if (graphic.Empty()) return;
  RequireState();
  graphic.Draw(*this, rect);
}

void TCanvas::CopyRect(const TRect& dest, TCanvas& source, const TRect& source_rect) {
  RequireState();
  source.RequireState();
  SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.Left, dest.Top, dest.Width(), dest.Height(), source.dc_, source_rect.Left, source_rect.Top,
             source_rect.Width(), source_rect.Height(), SRCCOPY);
}

TColor TCanvas::Pixel(int x, int y) {
  RequireState();
  return static_cast<TColor>(GetPixel(dc_, x, y));
}

void TCanvas::SetPixel(int x, int y, TColor color) {
  RequireState();
  ::SetPixel(dc_, x, y, ColorToRGB(color));
}

}  // namespace ruzi
