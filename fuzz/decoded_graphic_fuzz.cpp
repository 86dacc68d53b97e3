// Picture files of any kind read by the PNG, GIF and JPEG pictures: each refuses what is not
// its kind and is left empty, or holds an image whose size matches its pixels, gives back the
// very bytes it read, and copies to an equal picture.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "ruzirareva/foundation/error.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/png_object.h"

namespace {

void Check(ruzi::TDecodedGraphic& picture, std::string_view bytes) {
  try {
    picture.LoadFromBytes(bytes);
  } catch (const ruzi::Error&) {
    if (!picture.Empty() || picture.Width() != 0 || !picture.SaveToBytes().empty()) std::abort();
    return;
  }
  const FaceImage* image = picture.Image();
  if (image == nullptr || image->width <= 0 || image->height <= 0) std::abort();
  if (picture.SaveToBytes() != bytes || image->png_size != bytes.size()) std::abort();
  const std::unique_ptr<ruzi::TGraphic> copy(picture.Clone());
  const auto* decoded = dynamic_cast<ruzi::TDecodedGraphic*>(copy.get());
  if (decoded == nullptr || decoded->SaveToBytes() != bytes || decoded->Width() != image->width) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  ruzi::TPNGObject png;
  ruzi::TGIFImage gif;
  ruzi::TJPEGImage jpeg;
  Check(png, bytes);
  Check(gif, bytes);
  Check(jpeg, bytes);
  return 0;
}
