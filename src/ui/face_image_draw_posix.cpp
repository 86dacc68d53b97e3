// No device contexts here: skin images draw nothing.
#include "ui/face_image_draw.h"

namespace ruzi::ui {

void DrawFaceImage(void*, const FaceImage*, int, int, int, int) {}
void DrawFaceImageAt(void*, const FaceImage*, int, int) {}
void DrawFaceImageCentre(void*, const FaceImage*, const skin::PngRect&) {}
void DrawFaceImageStretch(void*, const FaceImage*, const skin::PngRect&) {}
void DrawFaceImageStretchTile(void*, const FaceImage*, const skin::PngRect&) {}

}  // namespace ruzi::ui
