// Faceinterface's bitmaps and icon lists.
#include <windows.h>

#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/ui/bitmap.h"
#include "ruzirareva/ui/icon.h"
#include "ruzirareva/ui/image_list.h"
#include "skin/face_interface_library.h"
#include "ui/bitmap_from_bytes.h"

namespace ruzi::Faceinterface {

void LoadFaceBMP(TBitmap* bitmap, const std::string& name) {
  if (bitmap == nullptr) return;
  LoadFaceResource("BMP", name, [bitmap](const std::string& bytes) { ui::LoadBitmapFromBytes(*bitmap, bytes); });
}

int LoadFaceIconToImgLst(TImageList* list, const std::string& part1, const std::string& part2) {
  TIcon icon;
  icon.SetHandle(static_cast<HICON>(LoadFaceIcon(part1, part2)));
  list->AddIcon(icon);
  return list->Count() - 1;
}

}  // namespace ruzi::Faceinterface
