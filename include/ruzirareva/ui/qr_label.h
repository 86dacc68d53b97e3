#pragma once
// A report label: its caption on its Color (or on what lies beneath when Transparent), inside a
// frame of FrameColor. Here it holds what the skin sets. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TQRLabel : public TGraphicControl {
  RUZI_CLASS_RECORD_PUBLISHED(TQRLabel, TGraphicControl::ClassRecord())

 public:
  explicit TQRLabel(TComponent* owner = nullptr);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);
  TColor FrameColor() const { return frame_color_; }
  void SetFrameColor(TColor color);

 protected:
  void Paint() override;

 private:
  bool transparent_ = false;
  TColor frame_color_ = clBlack;
};

}  // namespace ruzi
