#pragma once
// A bitmap read from a picture file held in memory (a .bmp resource): any kind the skin's
// decoder reads, kept as 24 bits a pixel. Throws ruzi::Error saying why the bytes are no
// picture, the bitmap left as it was. Windows only.
#include <string_view>

namespace ruzi {

class TBitmap;

namespace ui {

void LoadBitmapFromBytes(TBitmap& bitmap, std::string_view bytes);

}  // namespace ui
}  // namespace ruzi
