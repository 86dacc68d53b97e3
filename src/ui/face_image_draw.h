#pragma once
// Skin images drawn onto a device context: premultiplied BGRA blended with AlphaBlend, so
// half-transparent pixels mix with what is already there. These are what the PNG drawing
// operations of the skin (DrawPng, DrawPngCenter, DrawPngObjStretchTile …) do once a canvas
// hands them its DC. A null or empty image draws nothing. The caller's thread owns the DC.
#include "ruzirareva/skin/face_library.h"
#include "skin/png_layout.h"

namespace ruzi::ui {

// Stretched into (x, y, width, height). `dc` is an HDC.
void DrawFaceImage(void* dc, const FaceImage* image, int x, int y, int width, int height);
// At natural size with its top-left corner at (x, y).
void DrawFaceImageAt(void* dc, const FaceImage* image, int x, int y);
// Centred in `rect` at natural size (an image larger than the rectangle starts before it).
void DrawFaceImageCentre(void* dc, const FaceImage* image, const skin::PngRect& rect);
// One copy stretched to fill `rect`.
void DrawFaceImageStretch(void* dc, const FaceImage* image, const skin::PngRect& rect);
// Tiles of natural width across `rect`, each stretched to its height; the last may reach past
// the right edge.
void DrawFaceImageStretchTile(void* dc, const FaceImage* image, const skin::PngRect& rect);

}  // namespace ruzi::ui
