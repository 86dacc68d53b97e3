#include "ui/zoom_form.h"

#include "ui/control_messages.h"

namespace ruzi {

// What the zoom asks of the form itself.
class TZoomForm::FormSide : public IZoomForm {
 public:
  explicit FormSide(TZoomForm& form) : form_(form) {}
  IZoomControl& FormControl() override { return form_.root_; }
  TSize MonitorSize() const override { return form_.MonitorSize(); }
  void SetScaled(bool scaled) override { form_.SetScaled(scaled); }
  std::vector<IZoomMenuItem*> OwnerDrawMenus() override { return {}; }  // no menus on the form yet
  bool Visible() const override { return form_.Visible(); }
  void SetVisible(bool visible) override { form_.SetVisible(visible); }
  bool IsMdiForm() const override {
    return form_.FormStyle() == TFormStyle::fsMDIChild || form_.FormStyle() == TFormStyle::fsMDIForm;
  }
  void CentreOnOwner() override {
    auto* owner = dynamic_cast<TControl*>(form_.Owner());
    if (owner == nullptr) return;
    const TRect& around = owner->BoundsRect();
    form_.SetBounds(around.Left + (around.Width() - form_.Width()) / 2,
                    around.Top + (around.Height() - form_.Height()) / 2, form_.Width(), form_.Height());
  }

 private:
  TZoomForm& form_;
};

TZoomForm::TZoomForm(TComponent* owner, TZoomStart start)
    : TQXForm(owner), root_(*this), side_(std::make_unique<FormSide>(*this)), zoom_(*side_, start) {}

TZoomForm::TZoomForm(TComponent* owner) : TZoomForm(owner, TZoomStart::OnRequest) {}

TZoomForm::~TZoomForm() = default;

TAutoZoomForm::TAutoZoomForm(TComponent* owner) : TZoomForm(owner, TZoomStart::AtFirstShow) {}

void TZoomForm::AdjustControls(TControl& control) {
  TControlZoom view(control);
  zoom_.AdjustControls(view);
}

void TZoomForm::WndProc(TMessage& message) {
  if (message.Msg == CM_VISIBLECHANGED && message.WParam != 0) zoom_.FormShowing();
  if (IsResRateMessage(message.Msg)) {
    zoom_.WMGETRESRATE(message);
    return;
  }
  TQXForm::WndProc(message);
}

TManageZoomForm::TManageZoomForm(TComponent* owner, int screen_width, int screen_height)
    : TZoomForm(owner, TZoomStart::AtFirstShow) {
  Zoom().SetScreenSize(screen_width, screen_height);
}

}  // namespace ruzi

namespace ruzi {

TManageZoomForm::TManageZoomForm(TComponent* owner) : TManageZoomForm(owner, kZoomBaseWidth, kZoomBaseHeight) {}

}  // namespace ruzi
