#include "ui/picture.h"

namespace ruzi {

// Bitmaps and icons are Windows pictures: here only registered formats exist.
void RegisterStandardPictureFormats() {}

}  // namespace ruzi
