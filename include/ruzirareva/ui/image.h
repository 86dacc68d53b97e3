#pragma once
// A picture painted by its parent: at its own size in the top left corner, centred (Center),
// or stretched over the whole control (Stretch). Proportional keeps its shape: with Stretch it
// fills one side; alone it only shrinks a picture too big for the control. Transparent
// lets what lies beneath show through the picture's transparent parts. The Picture property's
// text is the file it was last loaded from. User-interface thread only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"
#include "ruzirareva/ui/picture.h"

namespace ruzi {

class RUZI_API TImage : public TGraphicControl {
  RUZI_CLASS_RECORD_PUBLISHED(TImage, TGraphicControl::ClassRecord())

 public:
  explicit TImage(TComponent* owner = nullptr);

  TPicture& Picture() { return picture_; }
  bool Stretch() const { return stretch_; }
  void SetStretch(bool stretch);
  bool Center() const { return center_; }
  void SetCenter(bool center);
  bool Proportional() const { return proportional_; }
  void SetProportional(bool proportional);
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  // The file the picture came from ("" when it came from elsewhere); setting it loads the file,
  // "" empties the picture.
  const std::string& PictureFile() const { return picture_file_; }
  void SetPictureFile(const std::string& path);

  // Where the picture goes in the control.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  TPicture picture_;
  std::string picture_file_;
  bool stretch_ = false;
  bool center_ = false;
  bool proportional_ = false;
  bool transparent_ = false;
};

// Where a picture of `picture` size goes in a control of `control` size (the rule above).
RUZI_API TRect ImageDestRect(TSize control, TSize picture, bool stretch, bool center, bool proportional);

}  // namespace ruzi
