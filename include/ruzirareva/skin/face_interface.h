#pragma once
// Faceinterface: the resource library named by the skin's "facetype" ("blue" is face.dll,
// anything else face_<facetype>.dll), from which other modules take strings and icons. Each
// operation resolves the name first when FCount is not 1 and loads the library from the
// program's directory. UI thread only.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {
class TBitmap;
class TGIFImage;
class TImage;
class TImageList;
class TPNGObject;
class TPicture;
}  // namespace ruzi

namespace ruzi::Faceinterface {

RUZI_API extern int32_t FCount;
// The resource library's file name; "" until a facetype names one.
RUZI_API extern std::string FACE_DLL;

// FCount := 1; FACE_DLL from the root attribute "facetype" (left as it was when that is
// empty). Throws ruzi::Error "FaceInterface加载资源dll" + FACE_DLL + cause.
RUZI_API void GetFaceDllName();
// The file name a facetype selects, or `current` when it selects none.
RUZI_API std::string FaceDllForFaceType(const std::string& facetype, const std::string& current);
// The string resource (at most 1023 bytes); `default_text` on any failure.
RUZI_API std::string LoadFaceString(uint32_t id, const std::string& default_text);
// The 16 x 16 icon named part1 + part2. Throws "加载图标[" + name + "]失败，请检查" + FACE_DLL +
// "文件是否正确!" + cause.
RUZI_API void* LoadFaceIcon(const std::string& part1, const std::string& part2);
// LoadFaceIcon's icon added to `list`; the list's new count - 1.
RUZI_API int LoadFaceIconToImgLst(TImageList* list, const std::string& part1, const std::string& part2);
// Each reads the resource `name` of its type ("Jpg", "BMP", "GIF", "PNG") into the picture
// given (for JPEG an image control's picture). Throws "加载资源文件" + name + "失败,请检查" +
// FACE_DLL + "文件是否正确!" + cause.
RUZI_API void LoadFaceJPG(TPicture* picture, const std::string& name);
RUZI_API void LoadFaceJPG(TImage* image, const std::string& name);
RUZI_API void LoadFaceBMP(TBitmap* bitmap, const std::string& name);
RUZI_API void LoadFaceGif(TGIFImage* gif, const std::string& name);
RUZI_API void LoadFacePng(TPNGObject* png, const std::string& name);

}  // namespace ruzi::Faceinterface
