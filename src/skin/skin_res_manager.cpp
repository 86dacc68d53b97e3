// Skinresmanager: PNG images and icons of the face library Facemanager chose.
#include "ruzirareva/skin/skin_res_manager.h"

#include "platform/dynamic_library.h"
#include "platform/module_resources.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/skin/face_manager.h"
#include "ruzirareva/skin/hm_skin_png_class.h"
#include "skin/face_library_module.h"
#include "skin/library_directory_loader.h"
#include "skin/required_resource.h"

namespace ruzi::Skinresmanager {

int32_t FCount = 0;

namespace {

std::string face_name;
void* face_module = nullptr;

void EnsureName() {
  if (FCount != 1) LoadFaceDllName();
}

}  // namespace

void LoadFaceDllName() {
  FCount = 1;
  try {
    face_name = GetFaceDllName();
  } catch (const std::exception& error) {
    throw Error("LoadFaceDllName获取皮肤类型" + face_name + "失败!" + error.what());
  }
}

const std::string& FaceDllFileName() { return face_name; }

void* FaceLibraryModule() {
  EnsureName();
  if (face_module == nullptr) face_module = skin::LoadLibraryFromProgramDirectory(face_name);
  return face_module;
}

const FaceImage* LoadSkinPng(const std::string& name) {
  // The loader's own errors reach the caller as they are.
  const auto load = platform::DynamicLibrary::Borrow(FaceLibraryModule()).ExportAs<FaceImageQuery>("LoadSkinPng");
  if (load == nullptr) return nullptr;
  const FaceImage* image = load(name.c_str());
  if (image != nullptr && image->error != nullptr) {
    throw Error("加载资源[" + name + "]失败，请检查" + face_name + "文件是否正确!" + image->error);
  }
  return image;
}

void* LoadFaceICOEx(const std::string& name) {
  EnsureName();
  try {
    if (face_module == nullptr && !face_name.empty()) {
      // By plain name, the system's search order deciding, as the icons always were.
      platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad(face_name);
      if (!library.IsLoaded()) skin::ThrowLastSystemError();
      library.Keep();
      face_module = library.Handle();
    }
    void* icon = face_module ? platform::LoadModuleIcon(face_module, name) : nullptr;
    if (icon == nullptr) skin::ThrowLastSystemError();
    return icon;
  } catch (const std::exception& error) {
    throw Error("[LoadFaceICOEx] 加载资源文件" + name + ".ico失败,请检查" + face_name + "文件是否正确! :" + error.what());
  }
}

void FreeFaceDll() {
  // The sets hold the library's images: they go first.
  FreeAllRes();
  ForgetLibraryPngObjects();
  if (face_module == nullptr) return;
  platform::ReleaseModule(face_module);
  face_module = nullptr;
}

}  // namespace ruzi::Skinresmanager
