#pragma once
// Text painted by its parent: on its Color, or, when Transparent, straight over what lies
// beneath. AutoSize fits the bounds to the text. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TLabel : public TGraphicControl {
  RUZI_CLASS_RECORD_PUBLISHED(TLabel, TGraphicControl::ClassRecord())

 public:
  explicit TLabel(TComponent* owner = nullptr);

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent);

 protected:
  void Paint() override;

 private:
  bool transparent_ = false;
};

}  // namespace ruzi
