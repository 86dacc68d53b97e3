#pragma once
// A control seen by the form zoom (zoom_control.h): its class line, bounds, alignment, font and
// children, read from and written to the control itself. Child views are made on first use and
// kept while the control's children stay the same. User-interface thread only.
#include <memory>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/control.h"
#include "ruzirareva/ui/zoom_control.h"

namespace ruzi {

class RUZI_API TControlZoom : public IZoomControl {
 public:
  explicit TControlZoom(TControl& control) : control_(control) {}

  std::string ClassName() const override { return control_.ClassName(); }
  bool InheritsFromClass(std::string_view class_name) const override;
  TRect BoundsRect() const override { return control_.BoundsRect(); }
  void SetBounds(int left, int top, int width, int height) override { control_.SetBounds(left, top, width, height); }
  TAlign Align() const override { return control_.Align(); }
  bool HasFont() const override;
  int FontSize() const override { return control_.Font().Size(); }
  void SetFontSize(int size) override { control_.Font().SetSize(size); }
  bool IsWindowed() const override;
  int ControlCount() const override;
  IZoomControl* Controls(int index) const override;
  IZoomColumns* Columns() override;
  // A published ItemHeight (the combo boxes'); 0 and nothing for a control without one.
  int ItemHeight() const override;
  void SetItemHeight(int height) override;

 private:
  TControl& control_;
  mutable std::vector<std::unique_ptr<TControlZoom>> children_;
};

}  // namespace ruzi
