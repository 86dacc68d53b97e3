// The decoded picture kinds, registered with TPicture by their files' extensions.
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"

namespace ruzi {

uint32_t TGIFImage::DefaultDrawOptions = 0;

void RegisterDecodedPictureFormats() {
  static const bool registered = [] {
    RegisterFileFormat(".png", []() -> TGraphic* { return new TPNGObject; });
    RegisterFileFormat(".gif", []() -> TGraphic* { return new TGIFImage; });
    RegisterFileFormat(".jpg", []() -> TGraphic* { return new TJPEGImage; });
    RegisterFileFormat(".jpeg", []() -> TGraphic* { return new TJPEGImage; });
    return true;
  }();
  (void)registered;
}

}  // namespace ruzi
