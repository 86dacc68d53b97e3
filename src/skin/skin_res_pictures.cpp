// Skinresmanager's pictures beyond PNG drawing: copies of PNGs and the library's GIFs.
#include "ruzirareva/foundation/trim.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"
#include "skin/face_library_module.h"
#include "skin/required_resource.h"

namespace ruzi::Skinresmanager {

void CopyPng(TPNGObject* dest, const TPNGObject* source) {
  if (dest != nullptr && source != nullptr) dest->LoadFromBytes(source->SaveToBytes());
}

void CopyPng(TPicture* dest, const TPNGObject* source) {
  if (dest == nullptr || source == nullptr) return;
  TPNGObject copy;
  copy.LoadFromBytes(source->SaveToBytes());
  dest->Assign(&copy);
}

void LoadGifImage(TPicture* picture, const std::string& name) {
  if (picture == nullptr || Trim(name).empty()) return;
  try {
    TGIFImage::DefaultDrawOptions |= 64;
    TGIFImage gif;
    gif.LoadFromBytes(skin::RequiredResourceBytes(FaceLibraryModule(), "GIF", name));
    picture->Assign(&gif);
  } catch (const std::exception& error) {
    throw Error("加载Gif文件" + name + "异常:" + error.what());
  }
}

void CopyPng(TImage* dest, const TPNGObject* source) { CopyPng(dest ? &dest->Picture() : nullptr, source); }

void LoadGifImage(TImage* image, const std::string& name) {
  LoadGifImage(image ? &image->Picture() : nullptr, name);
}

}  // namespace ruzi::Skinresmanager
