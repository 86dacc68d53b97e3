#include "ui/bitmap.h"
#include "ui/icon.h"
#include "ui/picture.h"

namespace ruzi {

void RegisterStandardPictureFormats() {
  static const bool registered = [] {
    RegisterFileFormat(".bmp", []() -> TGraphic* { return new TBitmap; });
    RegisterFileFormat(".ico", []() -> TGraphic* { return new TIcon; });
    return true;
  }();
  (void)registered;
}

template <typename Kind>
Kind& TPicture::As() {
  if (auto* held = dynamic_cast<Kind*>(graphic_.get())) return *held;
  auto fresh = std::make_unique<Kind>();
  Kind& kind = *fresh;
  Hold(std::move(fresh));
  return kind;
}

TBitmap& TPicture::Bitmap() { return As<TBitmap>(); }

TIcon& TPicture::Icon() { return As<TIcon>(); }

}  // namespace ruzi
