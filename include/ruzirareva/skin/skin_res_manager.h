#pragma once
// Skinresmanager: the skin's pictures from the face library chosen by Facemanager. PNG images
// come from the face library's LoadSkinPng export (decoded once, owned by the face library,
// never freed by callers); icons and bitmaps from its resources. The face library's name is
// fetched once; its handle is kept until FreeFaceDll. UI thread only.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/skin/face_library.h"

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
// Unloads the face library (the resource sets are emptied first); the next use loads it again.
RUZI_API void FreeFaceDll();

}  // namespace ruzi::Skinresmanager
