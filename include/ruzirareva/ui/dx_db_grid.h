#pragma once
// The outside grid with grouping, here holding what the skin sets: Color, Font, the header's
// colour and font, and the colour of group rows. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TdxDBGrid : public TCustomControl {
  RUZI_CLASS_RECORD_PUBLISHED(TdxDBGrid, TCustomControl::ClassRecord())

 public:
  explicit TdxDBGrid(TComponent* owner = nullptr);

  TColor HeaderColor() const { return header_color_; }
  void SetHeaderColor(TColor color);
  TFont& HeaderFont() { return header_font_; }
  const TFont& HeaderFont() const { return header_font_; }
  void SetHeaderFont(const TFont& font) { header_font_.Assign(const_cast<TFont*>(&font)); }
  TColor GroupNodeColor() const { return group_node_color_; }
  void SetGroupNodeColor(TColor color);

 protected:
  void Paint() override;

 private:
  TColor header_color_ = clBtnFace;
  TFont header_font_;
  TColor group_node_color_ = clBtnFace;
};

}  // namespace ruzi
