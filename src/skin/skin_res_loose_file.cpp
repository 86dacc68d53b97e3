// LoadSkinPngFromFile: a loose PNG beside the program overrides the face library's image, so
// a skin can be tried out without building a library.
#include <map>
#include <memory>

#include "platform/file_system.h"
#include "platform/paths.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/png_object.h"
#include "skin/face_library_module.h"
#include "skin/loose_skin_folder.h"

namespace ruzi::Skinresmanager {
namespace {

// One object per library image, so the same image answers the same object.
std::map<const FaceImage*, std::unique_ptr<TPNGObject>>& LibraryPngObjects() {
  static auto* objects = new std::map<const FaceImage*, std::unique_ptr<TPNGObject>>;
  return *objects;
}

TPNGObject* LibraryPngObject(const FaceImage* image) {
  if (image == nullptr) return nullptr;
  std::unique_ptr<TPNGObject>& object = LibraryPngObjects()[image];
  if (!object) {
    object = std::make_unique<TPNGObject>();
    object->FromFaceImage(image);
  }
  return object.get();
}

}  // namespace

void ForgetLibraryPngObjects() { LibraryPngObjects().clear(); }

TPNGObject* LoadSkinPngFromFile(const std::string& file, const std::string& resource, TPNGObject* png) {
  if (FCount != 1) LoadFaceDllName();
  const std::string path = platform::ExecutableDirectory() + skin::LooseSkinFolder(FaceDllFileName()) + file;
  if (platform::SystemFileSystem().FileExists(path)) {
    std::unique_ptr<TPNGObject> made(png == nullptr ? new TPNGObject : nullptr);
    TPNGObject* target = png != nullptr ? png : made.get();
    target->LoadFromFile(path);
    made.release();
    return target;
  }
  if (resource.empty()) return nullptr;
  return LibraryPngObject(LoadSkinPng(resource));
}

}  // namespace ruzi::Skinresmanager
