#pragma once
// Skinresmanager: the skin's pictures from the face library chosen by Facemanager. PNG images
// come from the face library's LoadSkinPng export (decoded once, owned by the face library,
// never freed by callers); icons and bitmaps from its resources. The face library's name is
// fetched once; its handle is kept until FreeFaceDll. UI thread only.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/skin/face_library.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {
class TBitmap;
class TCanvas;
class TImage;
class TImageList;
class TPNGObject;
class TPicture;
}  // namespace ruzi

namespace ruzi::Skinresmanager {

// 1 once the face library's name has been fetched.
RUZI_API extern int32_t FCount;

// FCount := 1 and the name taken from GetFaceDllName. Throws ruzi::Error
// "LoadFaceDllName获取皮肤类型" + name + "失败!" + cause.
RUZI_API void LoadFaceDllName();
// The face library's name as fetched ("" before).
RUZI_API const std::string& FaceDllFileName();
// The named image, or null for a name the library lacks (or a library without the export).
// Loading the library from the program's directory may throw the loader's own errors;
// an image that does not decode throws "加载资源[" + name + "]失败，请检查" + library +
// "文件是否正确!" + cause.
RUZI_API const FaceImage* LoadSkinPng(const std::string& name);
// LoadIcon from the face library, loaded by its plain name when not loaded yet. Throws
// "[LoadFaceICOEx] 加载资源文件" + name + ".ico失败,请检查" + library + "文件是否正确! :" + cause.
RUZI_API void* LoadFaceICOEx(const std::string& name);
// A loose file overriding the library's image: the program's directory + "skin\form7\" (face.dll)
// or "skin\form7_black\" (any other library) + `file`. When it exists it is read into `png`
// (a new TPNGObject, then the caller's, when `png` is null) and that is answered. Otherwise
// the library's image `resource` as a TPNGObject the library owns (null when `resource` is
// empty or the library lacks it); `png` is then left alone. Raises what LoadSkinPng raises,
// and ruzi::Error when the loose file is no PNG.
RUZI_API TPNGObject* LoadSkinPngFromFile(const std::string& file, const std::string& resource, TPNGObject* png);

// The named image at natural size, its top-left corner at (x, y).
RUZI_API void DrawPng(const std::string& name, int x, int y, TCanvas& canvas);
// DrawPngObjCenter, DrawPngObjStretch and DrawPngObjTile of the named image.
RUZI_API void DrawPngCenter(const std::string& name, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngStretch(const std::string& name, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngTile(const std::string& name, TCanvas& canvas, const TRect& rect);
// Each draws nothing for a null or empty image. Centre: natural size, the halves truncating
// toward zero (a larger image starts before `rect`). Tile: one copy stretched over `rect`.
// StretchTile: natural-width tiles from the left while a tile starts inside, each stretched to
// the height; the last may reach past the right edge.
RUZI_API void DrawPngObjCenter(const FaceImage* png, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngObjTile(const FaceImage* png, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngObjStretchTile(const FaceImage* png, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngObjCenter(const TPNGObject* png, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngObjTile(const TPNGObject* png, TCanvas& canvas, const TRect& rect);
RUZI_API void DrawPngObjStretchTile(const TPNGObject* png, TCanvas& canvas, const TRect& rect);

// Both present: `dest` reads the file `source` was read from.
RUZI_API void CopyPng(TPNGObject* dest, const TPNGObject* source);
// Both present: an image control's picture (`dest`) takes a new PNG read from `source`'s file.
RUZI_API void CopyPng(TPicture* dest, const TPNGObject* source);
// The library's BITMAP resource `name` added to `list`, white transparent, at the list's size.
RUZI_API void AddPictureToImageList(TImageList* list, const std::string& name);
// The library's BITMAP resource `name` into `bitmap` (nothing for a null bitmap or a blank
// name). Throws "加载位图文件" + name + "异常:" + cause.
RUZI_API void LoadBmpImage(TBitmap* bitmap, const std::string& name);
// The library's "GIF" resource `name` as an image control's picture (nothing for a null
// picture or a blank name); sets bit 64 of TGIFImage::DefaultDrawOptions. Throws
// "加载Gif文件" + name + "异常:" + cause.
RUZI_API void LoadGifImage(TPicture* picture, const std::string& name);
// The same into an image control's picture (nothing for a null control).
RUZI_API void CopyPng(TImage* dest, const TPNGObject* source);
RUZI_API void LoadGifImage(TImage* image, const std::string& name);

// Unloads the face library (the resource sets are emptied first); the next use loads it again.
RUZI_API void FreeFaceDll();

}  // namespace ruzi::Skinresmanager
