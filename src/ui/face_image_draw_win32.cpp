#include "ui/face_image_draw.h"

#include <windows.h>

#include <cstring>

namespace ruzi::ui {
namespace {

bool Drawable(const FaceImage* image) {
  return image != nullptr && image->bgra != nullptr && image->width > 0 && image->height > 0;
}

// A memory DC holding the image as a 32-bit top-down DIB, released in reverse order.
class ImageDc {
 public:
  ImageDc(HDC target, const FaceImage& image) : dc_(CreateCompatibleDC(target)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = image.width;
    info.bmiHeader.biHeight = -image.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr || dc_ == nullptr) return;
    std::memcpy(bits, image.bgra, static_cast<size_t>(image.width) * image.height * 4);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~ImageDc() {
    if (old_) SelectObject(dc_, old_);
    if (bitmap_) DeleteObject(bitmap_);
    if (dc_) DeleteDC(dc_);
  }
  ImageDc(const ImageDc&) = delete;
  ImageDc& operator=(const ImageDc&) = delete;

  HDC Get() const { return old_ ? dc_ : nullptr; }

 private:
  HDC dc_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

}  // namespace

void DrawFaceImage(void* dc, const FaceImage* image, int x, int y, int width, int height) {
  if (!Drawable(image) || width <= 0 || height <= 0) return;
  const HDC target = static_cast<HDC>(dc);
  const ImageDc source(target, *image);
  if (source.Get() == nullptr) return;
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(target, x, y, width, height, source.Get(), 0, 0, image->width, image->height, blend);
}

void DrawFaceImageAt(void* dc, const FaceImage* image, int x, int y) {
  if (Drawable(image)) DrawFaceImage(dc, image, x, y, image->width, image->height);
}

void DrawFaceImageCentre(void* dc, const FaceImage* image, const skin::PngRect& rect) {
  if (!Drawable(image)) return;
  const skin::PngPoint origin = skin::PngCentreOrigin(rect, image->width, image->height);
  DrawFaceImageAt(dc, image, origin.x, origin.y);
}

void DrawFaceImageStretch(void* dc, const FaceImage* image, const skin::PngRect& rect) {
  DrawFaceImage(dc, image, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void DrawFaceImageStretchTile(void* dc, const FaceImage* image, const skin::PngRect& rect) {
  if (!Drawable(image)) return;
  for (const skin::PngRect& tile : skin::PngStretchTiles(rect, image->width)) DrawFaceImageStretch(dc, image, tile);
}

}  // namespace ruzi::ui
