#include "ui/selection_frames.h"

#include <iterator>

namespace ruzi {

const TPropertyTable* TSelectionFrame::FrameTable() {
  static const TPropertyInfo properties[] = {
      PublishedAs<TColorText, &TSelectionFrame::TextSettingsBackgroundColor,
                  &TSelectionFrame::SetTextSettingsBackgroundColor>("TextSettingsBackgroundColor")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TSelectionFrame::TSelectionFrame(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 22);
  SetParentColor(false);
}

void TSelectionFrame::SetTextSettingsBackgroundColor(TColor color) {
  if (color == text_background_) return;
  text_background_ = color;
  Invalidate();
}

}  // namespace ruzi
