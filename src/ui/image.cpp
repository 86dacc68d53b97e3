#include "ui/image.h"

#include <iterator>

namespace ruzi {

TRect ImageDestRect(TSize control, TSize picture, bool stretch, bool center, bool proportional) {
  TSize size = picture;
  if (stretch || (proportional && (picture.cx > control.cx || picture.cy > control.cy))) {
    size = control;
    if (proportional && picture.cx > 0 && picture.cy > 0) {
      // The side that fits first decides: compare the two ratios without dividing.
      const long long across = static_cast<long long>(control.cx) * picture.cy;
      const long long down = static_cast<long long>(control.cy) * picture.cx;
      if (across > down) {
        size.cx = static_cast<int>(down / picture.cy);
      } else {
        size.cy = static_cast<int>(across / picture.cx);
      }
    }
  }
  if (stretch && !proportional) return TRect{0, 0, size.cx, size.cy};
  const int left = center ? (control.cx - size.cx) / 2 : 0;
  const int top = center ? (control.cy - size.cy) / 2 : 0;
  return TRect{left, top, left + size.cx, top + size.cy};
}

const TPropertyTable* TImage::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TImage::Center, &TImage::SetCenter>("Center"),
      Published<&TImage::PictureFile, &TImage::SetPictureFile>("Picture"),
      Published<&TImage::Proportional, &TImage::SetProportional>("Proportional"),
      Published<&TImage::Stretch, &TImage::SetStretch>("Stretch"),
      Published<&TImage::Transparent, &TImage::SetTransparent>("Transparent")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TImage::TImage(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 105, 105);
  picture_.OnChange = TNotifyEvent{[](void* image, TPersistent*) { static_cast<TImage*>(image)->PictureChanged(); },
                                   this};
}

void TImage::PictureChanged() {
  picture_file_.clear();
  if (picture_.Graphic() != nullptr) picture_.Graphic()->SetTransparent(transparent_);
  Invalidate();
}

void TImage::SetPictureFile(const std::string& path) {
  if (path.empty()) {
    picture_.SetGraphic(nullptr);
  } else {
    picture_.LoadFromFile(path);
  }
  picture_file_ = path;
}

void TImage::SetStretch(bool stretch) {
  stretch_ = stretch;
  Invalidate();
}

void TImage::SetCenter(bool center) {
  center_ = center;
  Invalidate();
}

void TImage::SetProportional(bool proportional) {
  proportional_ = proportional;
  Invalidate();
}

void TImage::SetTransparent(bool transparent) {
  transparent_ = transparent;
  if (picture_.Graphic() != nullptr) picture_.Graphic()->SetTransparent(transparent);
  Invalidate();
}

TRect TImage::DestRect() const {
  return ImageDestRect(TSize{Width(), Height()}, TSize{picture_.Width(), picture_.Height()}, stretch_, center_,
                       proportional_);
}

}  // namespace ruzi
