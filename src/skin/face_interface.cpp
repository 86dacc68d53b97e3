// Faceinterface: strings and icons of the resource library the skin's facetype names.
#include "ruzirareva/skin/face_interface.h"

#include <functional>

#include "platform/module_resources.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/foundation/trim.h"
#include "ruzirareva/skin/face_manager.h"
#include "skin/face_interface_library.h"
#include "skin/library_directory_loader.h"
#include "skin/required_resource.h"

namespace ruzi::Faceinterface {

int32_t FCount = 0;
std::string FACE_DLL;

void* ResourceLibrary() {
  if (FCount != 1) GetFaceDllName();
  return skin::LoadLibraryFromProgramDirectory(FACE_DLL);
}

void LoadFaceResource(const std::string& type, const std::string& name,
                      const std::function<void(const std::string& bytes)>& read) {
  try {
    read(skin::RequiredResourceBytes(ResourceLibrary(), type, name));
  } catch (const std::exception& error) {
    throw Error("加载资源文件" + name + "失败,请检查" + FACE_DLL + "文件是否正确!" + error.what());
  }
}

std::string FaceDllForFaceType(const std::string& facetype, const std::string& current) {
  const std::string trimmed = Trim(facetype);
  if (trimmed == "blue") return "face.dll";
  // The untrimmed value goes into the name: " x" gives "face_ x.dll".
  if (!trimmed.empty()) return "face_" + facetype + ".dll";
  return current;
}

void GetFaceDllName() {
  FCount = 1;
  try {
    FACE_DLL = FaceDllForFaceType(GetSkinRootAttributeValue("facetype"), FACE_DLL);
  } catch (const std::exception& error) {
    throw Error("FaceInterface加载资源dll" + FACE_DLL + error.what());
  }
}

std::string LoadFaceString(uint32_t id, const std::string& default_text) {
  try {
    char buffer[1024];
    if (platform::LoadModuleString(ResourceLibrary(), id, buffer, sizeof buffer) <= 0) return default_text;
    return buffer;
  } catch (const std::exception&) {
    return default_text;
  }
}

void* LoadFaceIcon(const std::string& part1, const std::string& part2) {
  const std::string name = part1 + part2;
  try {
    void* icon = platform::LoadModuleIconSized(ResourceLibrary(), name, 16, 16);
    if (icon == nullptr) skin::ThrowLastSystemError();
    return icon;
  } catch (const std::exception& error) {
    throw Error("加载图标[" + name + "]失败，请检查" + FACE_DLL + "文件是否正确!" + error.what());
  }
}

}  // namespace ruzi::Faceinterface
