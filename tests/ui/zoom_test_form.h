#pragma once
// A form for the zoom tests: a control model as its controls, a monitor of a given size, and a
// journal of what the zoom did to the form itself.
#include <string>
#include <vector>

#include "ui/control_model.h"
#include "ui/zoom_control.h"

namespace ruzi {

// A form on a monitor of a given size, holding a control model and noting what is done to it.
class TestForm : public IZoomForm {
 public:
  explicit TestForm(TSize monitor, TRect bounds = {100, 50, 900, 650})
      : monitor_(monitor), root_("TTestForm", bounds, {"TZoomForm", "TQXForm", "TForm"}) {
    root_.SetFontSize(9);
  }

  TControlModel& Root() { return root_; }
  IZoomControl& FormControl() override { return root_; }
  TSize MonitorSize() const override { return monitor_; }
  void SetScaled(bool scaled) override { journal += scaled ? "scaled;" : "unscaled;"; }
  std::vector<IZoomMenuItem*> OwnerDrawMenus() override {
    journal += "owner-draw;";
    return menu_items;
  }
  bool Visible() const override { return visible; }
  void SetVisible(bool shown) override {
    visible = shown;
    journal += shown ? "show;" : "hide;";
  }
  bool IsMdiForm() const override { return mdi; }
  void CentreOnOwner() override { journal += "centre;"; }

  std::string journal;
  bool visible = false;
  bool mdi = false;
  std::vector<IZoomMenuItem*> menu_items;

 private:
  TSize monitor_;
  TControlModel root_;
};

}  // namespace ruzi
