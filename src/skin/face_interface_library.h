#pragma once
// Faceinterface's resource library and the way its picture loaders read from it.
#include <functional>
#include <string>

namespace ruzi::Faceinterface {

// Resolves FACE_DLL when FCount is not 1, then loads it from the program's directory.
void* ResourceLibrary();
// Hands the bytes of the resource `name` of `type` to `read`. Anything failing (the library,
// the resource, `read`) throws "加载资源文件" + name + "失败,请检查" + FACE_DLL + "文件是否正确!" +
// cause.
void LoadFaceResource(const std::string& type, const std::string& name,
                      const std::function<void(const std::string& bytes)>& read);

}  // namespace ruzi::Faceinterface
