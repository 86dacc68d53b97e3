#pragma once
// The client's grid with a check box per row, here holding what the skin sets: Color, Font,
// FixedColor (the title row) and TitleFont. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TCheckableDBGrid : public TCustomControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCheckableDBGrid, TCustomControl::ClassRecord())

 public:
  explicit TCheckableDBGrid(TComponent* owner = nullptr);

  TColor FixedColor() const { return fixed_color_; }
  void SetFixedColor(TColor color);
  TFont& TitleFont() { return title_font_; }
  const TFont& TitleFont() const { return title_font_; }
  void SetTitleFont(const TFont& font) { title_font_.Assign(const_cast<TFont*>(&font)); }

 protected:
  void Paint() override;

 private:
  TColor fixed_color_ = clBtnFace;
  TFont title_font_;
};

}  // namespace ruzi
