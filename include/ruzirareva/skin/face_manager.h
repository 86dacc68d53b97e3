#pragma once
// Facemanager: which face library the client uses and the fourteen skin queries through it.
// The library is bound lazily, once per process, on the first query (or InitFaceManager);
// a library that does not load leaves every entry unbound, and an unbound query answers "",
// 0 or false. The name is resolved from the environment variable "FaceDllName" or, when it
// says "-1", from the last logged-in user's INI entry. UI thread: the binding and the module
// state are not synchronised.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/skin/face_library.h"

namespace ruzi {

// "" until the first binding attempt, then "1": a second attempt is never made.
RUZI_API extern std::string gEnvironmentVariable;
// The face library's file name as GetFaceDllName resolved it.
RUZI_API extern std::string FACEDLL;

// The bound exports, null where the face library lacks one (or did not load).
RUZI_API extern FaceStringQuery2 _GetSkinChildAttributeValue_init;
RUZI_API extern FaceColourQuery2 _GetSkinChildAttributeValueAsTColor_init;
RUZI_API extern FaceFlagQuery2 _GetSkinChildAttributeValueAsBool_init;
RUZI_API extern FaceIntegerQuery2 _GetSkinChildAttributeValueAsInteger_init;
RUZI_API extern FaceColourQuery1 _GetSkinChildFontColor_init;
RUZI_API extern FaceStringQuery1 _GetSkinChildFontName_init;
RUZI_API extern FaceIntegerQuery1 _GetSkinChildFontSize_init;
RUZI_API extern FaceColourQuery2 _GetSkinChildBgColor_init;
RUZI_API extern FaceStringQuery1 _GetSkinRootAttributeValue_init;
RUZI_API extern FaceStringQuery2 _GetSkinParentAttributeValue_init;
RUZI_API extern FaceColourQuery2 _GetSkinParentAttributeValueAsTColor_init;
RUZI_API extern FaceFlagQuery2 _GetSkinParentAttributeValueAsBool_init;
RUZI_API extern FaceIntegerQuery2 _GetSkinParentAttributeValueAsInteger_init;
RUZI_API extern FaceColourQuery1 _GetSkinPublicColor_init;

// Binds the face library once per process; never throws for a library that does not load
// (GetFaceDllName's errors pass through).
RUZI_API void InitFaceManager();
// The face library's file name: "FaceDllName" as set, unless it trims to "-1"; then the last
// user's "<user>skintype" in section "skintype" of the program's INI file, or "face.dll".
// The resolved name goes into "FaceDllName" lower-cased. Throws ruzi::Error
// "GetFaceDllName获取皮肤类型" + name so far + "失败!" + cause.
RUZI_API std::string GetFaceDllName();
// The last logged-in user from <program dir>config\<program>.xml (read through a copy
// "<program>.bak.xml" that is always removed again), "" without the file. Throws ruzi::Error
// "GetLastLoginUser:" + cause.
RUZI_API std::string GetLastLoginUser();

// The fourteen queries; each binds first when the library is not loaded yet.
RUZI_API std::string GetSkinChildAttributeValue(const std::string& element, const std::string& attribute);
RUZI_API uint32_t GetSkinChildAttributeValueAsTColor(const std::string& element, const std::string& attribute);
RUZI_API bool GetSkinChildAttributeValueAsBool(const std::string& element, const std::string& attribute);
RUZI_API int32_t GetSkinChildAttributeValueAsInteger(const std::string& element, const std::string& attribute);
RUZI_API uint32_t GetSkinChildFontColor(const std::string& element);
RUZI_API std::string GetSkinChildFontName(const std::string& element);
RUZI_API int32_t GetSkinChildFontSize(const std::string& element);
RUZI_API uint32_t GetSkinChildBgColor(const std::string& element, const std::string& attribute);
RUZI_API std::string GetSkinRootAttributeValue(const std::string& attribute);
RUZI_API std::string GetSkinParentAttributeValue(const std::string& element, const std::string& attribute);
RUZI_API uint32_t GetSkinParentAttributeValueAsTColor(const std::string& element, const std::string& attribute);
RUZI_API bool GetSkinParentAttributeValueAsBool(const std::string& element, const std::string& attribute);
RUZI_API int32_t GetSkinParentAttributeValueAsInteger(const std::string& element, const std::string& attribute);
RUZI_API uint32_t GetSkinPublicColor(const std::string& name);

}  // namespace ruzi
