#pragma once
// A control with a caption label beside it (bound_label.h): the labelled edits and combo boxes
// put this between their base class and themselves. The label follows every move, parent,
// visibility and enabling of the control; LabelProperties() are the entries the class
// publishes for it. User-interface thread only.
#include <array>
#include <string>

#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/bound_label.h"
#include "ruzirareva/ui/control_messages.h"

namespace ruzi {

template <typename Base>
class TLabelHost : public Base {
 public:
  TLabelHost(TComponent* owner, TLabelPosition position) : Base(owner) {
    label_ = new TBoundLabel(*this, position);
    label_->Follow();
  }

  // The label; nullptr once it was freed (with a parent freed before this control).
  TBoundLabel* EditLabel() const { return label_; }
  std::string LabelCaption() const { return label_ != nullptr ? label_->Caption() : std::string(); }
  void SetLabelCaption(const std::string& caption) {
    if (label_ != nullptr) label_->SetCaption(caption);
  }
  TLabelPosition LabelPosition() const { return label_ != nullptr ? label_->Position() : TLabelPosition::lpAbove; }
  void SetLabelPosition(TLabelPosition position) {
    if (label_ != nullptr) label_->SetPosition(position);
  }
  int LabelSpacing() const { return label_ != nullptr ? label_->Spacing() : 0; }
  void SetLabelSpacing(int spacing) {
    if (label_ != nullptr) label_->SetSpacing(spacing);
  }

  void SetParent(TWinControl* parent) override {
    Base::SetParent(parent);
    FollowLabel();
  }
  void SetBounds(int left, int top, int width, int height) override {
    Base::SetBounds(left, top, width, height);
    FollowLabel();
  }

 protected:
  static std::array<TPropertyInfo, 3> LabelProperties() {
    return {Published<&TLabelHost::LabelCaption, &TLabelHost::SetLabelCaption>("LabelCaption"),
            Published<&TLabelHost::LabelPosition, &TLabelHost::SetLabelPosition>("LabelPosition"),
            Published<&TLabelHost::LabelSpacing, &TLabelHost::SetLabelSpacing>("LabelSpacing")};
  }
  void WndProc(TMessage& message) override {
    Base::WndProc(message);
    if (message.Msg == CM_VISIBLECHANGED || message.Msg == CM_ENABLEDCHANGED) FollowLabel();
  }
  void Notification(TComponent* component, TOperation operation) override {
    Base::Notification(component, operation);
    if (operation == TOperation::opRemove && component == label_) label_ = nullptr;
  }

 private:
  void FollowLabel() {
    if (label_ != nullptr) label_->Follow();
  }

  TBoundLabel* label_ = nullptr;
};

}  // namespace ruzi
