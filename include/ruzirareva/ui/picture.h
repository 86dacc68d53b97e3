#pragma once
// What an image control shows: one picture of any kind, kept as the holder's own copy. Files
// are read by the kind their extension names: ".bmp" and ".ico" always, and any kind another
// module registers (PNG, GIF). Belongs to the thread that draws with it; register formats on
// the user-interface thread.
#include <memory>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/ui/graphic.h"

namespace ruzi {

class TBitmap;
class TIcon;

// Makes an empty picture of one kind.
using TGraphicFactory = TGraphic* (*)();

// Files with this extension (".png", letter case ignored) are read by pictures `factory` makes.
RUZI_API void RegisterFileFormat(const std::string& extension, TGraphicFactory factory);

class RUZI_API TPicture : public TPersistent {
  RUZI_CLASS_RECORD(TPicture, TPersistent::ClassRecord())

 public:
  TPicture();
  ~TPicture() override;
  TPicture(const TPicture&) = delete;
  TPicture& operator=(const TPicture&) = delete;

  // The picture held, or nullptr.
  TGraphic* Graphic() const { return graphic_.get(); }
  // Holds a copy of `graphic` (nullptr: nothing).
  void SetGraphic(const TGraphic* graphic);
  // The picture as a bitmap, or as an icon: a new empty one replaces a picture of another kind
  // (Windows only).
  TBitmap& Bitmap();
  TIcon& Icon();
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  // Raises ruzi::Error "Unknown picture file extension (.xyz)" for a kind nobody registered; a
  // file that cannot be read leaves the picture as it was.
  void LoadFromFile(const std::string& path);
  // Copies another picture's graphic, or takes a copy of a graphic.
  void Assign(TPersistent* source) override;

  TNotifyEvent OnChange;

 private:
  void Hold(std::unique_ptr<TGraphic> graphic);
  template <typename Kind>
  Kind& As();

  std::unique_ptr<TGraphic> graphic_;
};

}  // namespace ruzi
