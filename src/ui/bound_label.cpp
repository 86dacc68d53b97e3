#include "ui/bound_label.h"

namespace ruzi {

TBoundLabel::TBoundLabel(TControl& control, TLabelPosition position)
    : TLabel(&control), control_(control), position_(position) {}

void TBoundLabel::SetPosition(TLabelPosition position) {
  position_ = position;
  Follow();
}

void TBoundLabel::SetSpacing(int spacing) {
  spacing_ = spacing;
  Follow();
}

void TBoundLabel::Follow() {
  if (Parent() != control_.Parent()) SetParent(control_.Parent());
  SetVisible(control_.Visible());
  SetEnabled(control_.Enabled());
  const TRect& at = control_.BoundsRect();
  const int middle = at.Top + (at.Height() - Height()) / 2;
  switch (position_) {
    case TLabelPosition::lpAbove:
      SetBounds(at.Left, at.Top - Height() - spacing_, Width(), Height());
      break;
    case TLabelPosition::lpBelow:
      SetBounds(at.Left, at.Bottom + spacing_, Width(), Height());
      break;
    case TLabelPosition::lpLeft:
      SetBounds(at.Left - Width() - spacing_, middle, Width(), Height());
      break;
    case TLabelPosition::lpRight:
      SetBounds(at.Right + spacing_, middle, Width(), Height());
      break;
  }
}

}  // namespace ruzi
