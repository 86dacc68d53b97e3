// Faceinterface's decoded pictures: JPEG, GIF and PNG resources of the resource library.
#include "ruzirareva/skin/face_interface.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/image.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"
#include "skin/face_interface_library.h"

namespace ruzi::Faceinterface {

void LoadFaceJPG(TPicture* picture, const std::string& name) {
  if (picture == nullptr) return;
  LoadFaceResource("Jpg", name, [picture](const std::string& bytes) {
    TJPEGImage jpeg;
    jpeg.LoadFromBytes(bytes);
    picture->Assign(&jpeg);
  });
}

void LoadFaceJPG(TImage* image, const std::string& name) { LoadFaceJPG(image ? &image->Picture() : nullptr, name); }

void LoadFaceGif(TGIFImage* gif, const std::string& name) {
  if (gif == nullptr) return;
  LoadFaceResource("GIF", name, [gif](const std::string& bytes) { gif->LoadFromBytes(bytes); });
}

void LoadFacePng(TPNGObject* png, const std::string& name) {
  if (png == nullptr) return;
  LoadFaceResource("PNG", name, [png](const std::string& bytes) { png->LoadFromBytes(bytes); });
}

}  // namespace ruzi::Faceinterface
