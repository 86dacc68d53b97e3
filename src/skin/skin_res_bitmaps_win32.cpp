// Skinresmanager's bitmaps: the face library's BITMAP resources, alone or into image lists.
#include <windows.h>

#include "platform/module_resources.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/foundation/trim.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/bitmap.h"
#include "ruzirareva/ui/image_list.h"
#include "skin/face_library_module.h"
#include "skin/required_resource.h"

namespace ruzi::Skinresmanager {

void LoadBmpImage(TBitmap* bitmap, const std::string& name) {
  if (bitmap == nullptr || Trim(name).empty()) return;
  try {
    void* handle = platform::LoadModuleBitmap(FaceLibraryModule(), name);
    if (handle == nullptr) skin::ThrowLastSystemError();
    bitmap->SetHandle(static_cast<HBITMAP>(handle));
  } catch (const std::exception& error) {
    throw Error("加载位图文件" + name + "异常:" + error.what());
  }
}

void AddPictureToImageList(TImageList* list, const std::string& name) {
  if (list == nullptr) return;
  TBitmap bitmap;
  LoadBmpImage(&bitmap, name);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetTransparentMode(TTransparentMode::tmFixed);
  bitmap.SetTransparent(true);
  bitmap.SetSize(list->Width(), list->Height());
  list->AddMasked(bitmap, 0xFFFFFF);
}

}  // namespace ruzi::Skinresmanager
