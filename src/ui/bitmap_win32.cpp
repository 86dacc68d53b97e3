#include <windows.h>

#include <algorithm>
#include <cstring>

#include "foundation/error.h"
#include "platform/text_encoding.h"
#include "ui/bitmap.h"

namespace ruzi {

// A memory DC with the bitmap selected, made when first drawn on and let go when the image is
// replaced.
class TBitmap::BitmapCanvas : public TCanvas {
 public:
  explicit BitmapCanvas(TBitmap& bitmap) : bitmap_(bitmap) {}
  ~BitmapCanvas() override { Free(); }

  void Free() {
    HDC dc = HandleAllocated() ? Handle() : nullptr;
    SetHandle(nullptr);
    if (dc == nullptr) return;
    if (previous_ != nullptr) SelectObject(dc, previous_);
    previous_ = nullptr;
    DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (bitmap_.handle_ != nullptr) previous_ = SelectObject(dc, bitmap_.handle_);
    SetHandle(dc);
  }

 private:
  TBitmap& bitmap_;
  HGDIOBJ previous_ = nullptr;
};

namespace {

int BitCount(TPixelFormat format) { return format == TPixelFormat::pf24bit ? 24 : 32; }

HBITMAP MakeDib(int width, int height, TPixelFormat format, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = static_cast<WORD>(BitCount(format));
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

TBitmap::TBitmap() : canvas_(std::make_unique<BitmapCanvas>(*this)) {}

TBitmap::~TBitmap() {
  canvas_.reset();
  if (handle_ != nullptr) DeleteObject(handle_);
}

void TBitmap::Recreate(int width, int height, TPixelFormat format) {
  canvas_->Free();  // a bitmap is selected into one DC at a time
  width = std::max(0, width);
  height = std::max(0, height);
  void* bits = nullptr;
  HBITMAP fresh = width > 0 && height > 0 ? MakeDib(width, height, format, &bits) : nullptr;
  if (width > 0 && height > 0 && fresh == nullptr) {
    throw Error("Out of system resources (bitmap " + std::to_string(width) + " x " + std::to_string(height) + ")");
  }
  if (fresh != nullptr && handle_ != nullptr) {
    // The old image, as far as it fits, converted by GDI.
    HDC from = CreateCompatibleDC(nullptr), to = CreateCompatibleDC(nullptr);
    HGDIOBJ old_from = SelectObject(from, handle_), old_to = SelectObject(to, fresh);
    BitBlt(to, 0, 0, std::min(width, width_), std::min(height, height_), from, 0, 0, SRCCOPY);
    SelectObject(from, old_from);
    SelectObject(to, old_to);
    DeleteDC(from);
    DeleteDC(to);
  }
  if (handle_ != nullptr) DeleteObject(handle_);
  handle_ = fresh;
  bits_ = static_cast<uint8_t*>(bits);
  width_ = width;
  height_ = height;
  format_ = format;
  Changed();
}

void TBitmap::SetSize(int width, int height) {
  if (width == width_ && height == height_) return;
  Recreate(width, height, format_);
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format != TPixelFormat::pfDevice && format != TPixelFormat::pf24bit && format != TPixelFormat::pf32bit) {
    throw Error("Unsupported pixel format (" + std::to_string(static_cast<int>(format)) + ")");
  }
  if (format == format_) return;
  Recreate(width_, height_, format);
}

void TBitmap::SetHandle(HBITMAP__* bitmap) {
  if (bitmap == nullptr) {
    Recreate(0, 0, format_);
    return;
  }
  BITMAP description{};
  GetObjectW(bitmap, sizeof description, &description);
  canvas_->Free();
  if (handle_ != nullptr) DeleteObject(handle_);
  handle_ = nullptr;
  width_ = height_ = 0;
  Recreate(description.bmWidth, std::abs(description.bmHeight), format_);
  HDC from = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(from, bitmap);
  BitBlt(Canvas().Handle(), 0, 0, width_, height_, from, 0, 0, SRCCOPY);
  SelectObject(from, old);
  DeleteDC(from);
  DeleteObject(bitmap);
  GdiFlush();
  Changed();
}

void TBitmap::LoadFromResourceName(void* module, const std::string& name) {
  HANDLE image = LoadImageW(static_cast<HINSTANCE>(module), platform::GbkToWide(name).c_str(), IMAGE_BITMAP, 0, 0,
                            LR_CREATEDIBSECTION);
  if (image == nullptr) throw Error("Bitmap resource " + name + " not found");
  SetHandle(static_cast<HBITMAP>(image));
}

void TBitmap::LoadFromFile(const std::string& path) {
  HANDLE image = LoadImageW(nullptr, platform::GbkToWide(path).c_str(), IMAGE_BITMAP, 0, 0,
                            LR_LOADFROMFILE | LR_CREATEDIBSECTION);
  if (image == nullptr) throw Error("Cannot load bitmap " + path);
  SetHandle(static_cast<HBITMAP>(image));
}

TCanvas& TBitmap::Canvas() { return *canvas_; }

uint8_t* TBitmap::ScanLine(int row) {
  if (row < 0 || row >= height_) throw Error("Scan line index out of range (" + std::to_string(row) + ")");
  GdiFlush();  // what GDI drew is in the bits
  return bits_ + static_cast<size_t>(row) * Stride();
}

TColor TBitmap::TransparentColor() {
  if (transparent_mode_ == TTransparentMode::tmFixed || Empty()) return transparent_color_;
  const uint8_t* pixel = ScanLine(height_ - 1);
  return pixel[0] << 16 | pixel[1] << 8 | pixel[2];
}

void TBitmap::SetTransparentColor(TColor color) {
  transparent_color_ = color;
  transparent_mode_ = color == clDefault ? TTransparentMode::tmAuto : TTransparentMode::tmFixed;
}

void TBitmap::Draw(TCanvas& canvas, const TRect& rect) {
  if (Empty()) return;
  HDC to = canvas.Handle();
  HDC from = Canvas().Handle();
  if (Transparent()) {
    TransparentBlt(to, rect.Left, rect.Top, rect.Width(), rect.Height(), from, 0, 0, width_, height_,
                   ColorToRGB(TransparentColor()));
  } else {
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, rect.Left, rect.Top, rect.Width(), rect.Height(), from, 0, 0, width_, height_, SRCCOPY);
  }
}

TGraphic* TBitmap::Clone() const {
  auto* copy = new TBitmap;
  copy->Assign(const_cast<TBitmap*>(this));
  return copy;
}

void TBitmap::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TBitmap*>(source);
  if (other == nullptr) {
    TGraphic::Assign(source);
    return;
  }
  if (other == this) return;
  canvas_->Free();
  if (handle_ != nullptr) DeleteObject(handle_);
  handle_ = nullptr;
  width_ = height_ = 0;
  format_ = other->format_;
  Recreate(other->width_, other->height_, other->format_);
  if (!Empty()) {
    GdiFlush();
    other->ScanLine(0);
    std::memcpy(bits_, other->bits_, static_cast<size_t>(Stride()) * height_);
  }
  SetTransparent(other->Transparent());
  transparent_mode_ = other->transparent_mode_;
  transparent_color_ = other->transparent_color_;
  Changed();
}

}  // namespace ruzi
