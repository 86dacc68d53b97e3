// Skinresmanager's drawing operations: skin images onto a canvas, blended over what it shows.
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/canvas.h"
#include "ruzirareva/ui/png_object.h"
#include "ui/face_image_draw.h"

namespace ruzi::Skinresmanager {
namespace {

skin::PngRect Layout(const TRect& rect) { return {rect.Left, rect.Top, rect.Right, rect.Bottom}; }

const FaceImage* ImageOf(const TPNGObject* png) { return png != nullptr ? png->Image() : nullptr; }

}  // namespace

void DrawPng(const std::string& name, int x, int y, TCanvas& canvas) {
  ui::DrawFaceImageAt(canvas.Handle(), LoadSkinPng(name), x, y);
}

void DrawPngCenter(const std::string& name, TCanvas& canvas, const TRect& rect) {
  DrawPngObjCenter(LoadSkinPng(name), canvas, rect);
}

void DrawPngStretch(const std::string& name, TCanvas& canvas, const TRect& rect) {
  ui::DrawFaceImageStretch(canvas.Handle(), LoadSkinPng(name), Layout(rect));
}

void DrawPngTile(const std::string& name, TCanvas& canvas, const TRect& rect) {
  DrawPngObjTile(LoadSkinPng(name), canvas, rect);
}

void DrawPngObjCenter(const FaceImage* png, TCanvas& canvas, const TRect& rect) {
  ui::DrawFaceImageCentre(canvas.Handle(), png, Layout(rect));
}

void DrawPngObjTile(const FaceImage* png, TCanvas& canvas, const TRect& rect) {
  ui::DrawFaceImageStretch(canvas.Handle(), png, Layout(rect));
}

void DrawPngObjStretchTile(const FaceImage* png, TCanvas& canvas, const TRect& rect) {
  ui::DrawFaceImageStretchTile(canvas.Handle(), png, Layout(rect));
}

void DrawPngObjCenter(const TPNGObject* png, TCanvas& canvas, const TRect& rect) {
  DrawPngObjCenter(ImageOf(png), canvas, rect);
}

void DrawPngObjTile(const TPNGObject* png, TCanvas& canvas, const TRect& rect) {
  DrawPngObjTile(ImageOf(png), canvas, rect);
}

void DrawPngObjStretchTile(const TPNGObject* png, TCanvas& canvas, const TRect& rect) {
  DrawPngObjStretchTile(ImageOf(png), canvas, rect);
}

}  // namespace ruzi::Skinresmanager
