#pragma once
// The caption label that goes with an edit or a combo box: it sits beside its control (above,
// below, left or right, LabelSpacing pixels away) in the control's parent, and follows the
// control's place, visibility and enabling. The control owns it; the control calls Follow
// whenever it moved or changed. User-interface thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/label.h"

namespace ruzi {

enum class TLabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

template <>
struct TEnumNames<TLabelPosition> {
  static constexpr std::array<const char*, 4> Names{"lpAbove", "lpBelow", "lpLeft", "lpRight"};
};

class RUZI_API TBoundLabel : public TLabel {
  RUZI_CLASS_RECORD(TBoundLabel, TLabel::ClassRecord())

 public:
  // Made by the control it labels, which owns it.
  explicit TBoundLabel(TControl& control, TLabelPosition position);

  TLabelPosition Position() const { return position_; }
  void SetPosition(TLabelPosition position);
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing);
  // Takes the control's parent, visibility and enabling, and its place beside the control.
  void Follow();

 private:
  TControl& control_;
  TLabelPosition position_;
  int spacing_ = 3;
};

}  // namespace ruzi
