#pragma once
// Forms that zoom themselves and everything on them (form_zoom.h): TZoomForm when asked
// (SetFResolutionRate, ZoomFormInfo), TAutoZoomForm once at its first show for the screen it is
// on, TManageZoomForm once at its first show for a screen size it is given; all are TQXForms.
// A zoom form answers "WM_GETRESRATE" with the address of its zoom factor. User-interface
// thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/control_zoom.h"
#include "ruzirareva/ui/form_zoom.h"
#include "ruzirareva/ui/qx_form.h"

namespace ruzi {

class RUZI_API TZoomForm : public TQXForm {
  RUZI_CLASS_RECORD(TZoomForm, TQXForm::ClassRecord())

 public:
  explicit TZoomForm(TComponent* owner = nullptr);
  ~TZoomForm() override;

  TFormZoom& Zoom() { return zoom_; }
  void SetFResolutionRate(double rate) { zoom_.SetFResolutionRate(rate); }
  void SetAutoResolution(bool automatic) { zoom_.SetAutoResolution(automatic); }
  void ZoomFormInfo() { zoom_.ZoomFormInfo(); }
  void AdjustControls(TControl& control);

 protected:
  TZoomForm(TComponent* owner, TZoomStart start);
  void WndProc(TMessage& message) override;
  // The size of the monitor the form is on (1024 x 768 without a window system).
  virtual TSize MonitorSize();

 private:
  class FormSide;
  friend class FormSide;
  TControlZoom root_;
  std::unique_ptr<FormSide> side_;
  TFormZoom zoom_;
};

class RUZI_API TAutoZoomForm : public TZoomForm {
  RUZI_CLASS_RECORD(TAutoZoomForm, TZoomForm::ClassRecord())

 public:
  explicit TAutoZoomForm(TComponent* owner = nullptr);
};

class RUZI_API TManageZoomForm : public TZoomForm {
  RUZI_CLASS_RECORD(TManageZoomForm, TZoomForm::ClassRecord())

 public:
  TManageZoomForm(TComponent* owner, int screen_width, int screen_height);
  // Zooms for the designed 1024 x 768 until Zoom().SetScreenSize says otherwise (made by name).
  explicit TManageZoomForm(TComponent* owner = nullptr);
};

// True for the registered "WM_GETRESRATE" (never without a window system).
RUZI_API bool IsResRateMessage(uint32_t msg);

}  // namespace ruzi
