#pragma once
// A list of same-sized images (toolbar buttons, tree icons) over a system image list, each
// with its mask. Changing Width or Height empties the list. Windows only. User-interface thread.
#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/ui/color.h"

struct _IMAGELIST;

namespace ruzi {

class TBitmap;
class TCanvas;
class TIcon;

class RUZI_API TImageList : public TComponent {
  RUZI_CLASS_RECORD_PUBLISHED(TImageList, TComponent::ClassRecord())

 public:
  explicit TImageList(TComponent* owner = nullptr);
  ~TImageList() override;

  int Width() const { return width_; }
  void SetWidth(int width);
  int Height() const { return height_; }
  void SetHeight(int height);
  int Count() const;
  _IMAGELIST* Handle();

  // Each answers the index of the (first) image added; a picture wider than Width adds as many
  // images as fit. `mask`: white where the image is transparent; nullptr for none.
  int Add(TBitmap& image, TBitmap* mask);
  // Pixels of `mask_color` become transparent.
  int AddMasked(TBitmap& image, TColor mask_color);
  int AddIcon(TIcon& icon);
  void Delete(int index);
  void Clear();

  // Draws image `index` at (x, y); a disabled image is drawn blended with the background.
  void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true);
  void GetBitmap(int index, TBitmap& bitmap);
  void GetIcon(int index, TIcon& icon);

 private:
  void Resize(int width, int height);
  void CheckIndex(int index) const;

  int width_ = 16;
  int height_ = 16;
  _IMAGELIST* handle_ = nullptr;
};

}  // namespace ruzi
