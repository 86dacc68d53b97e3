#include "ui/bitmap_from_bytes.h"

#include <cstring>

#include "ruzirareva/foundation/error.h"
#include "ruzirareva/ui/bitmap.h"
#include "skin/image_decode.h"

namespace ruzi::ui {

void LoadBitmapFromBytes(TBitmap& bitmap, std::string_view bytes) {
  const skin::DecodedImage image = skin::DecodeImage({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
  if (!image.error.empty()) throw Error("bitmap does not decode: " + image.error);
  bitmap.SetPixelFormat(TPixelFormat::pf24bit);
  bitmap.SetSize(image.width, image.height);
  for (int row = 0; row < image.height; ++row) {
    uint8_t* out = bitmap.ScanLine(row);
    const uint8_t* in = image.bgra.data() + static_cast<size_t>(row) * image.width * 4;
    for (int x = 0; x < image.width; ++x) std::memcpy(out + x * 3, in + x * 4, 3);
  }
}

}  // namespace ruzi::ui
