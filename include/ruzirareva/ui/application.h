#pragma once
// The application object of a program with forms: its main form (closing it ends Run), its
// title, the message loop, and where exceptions from window procedures go (OnException). Also
// the screen and its monitors. One of each per process; user-interface thread only.
#include <exception>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/ui_exception.h"

namespace ruzi {

class TCustomForm;

class RUZI_API TApplication : public TComponent {
  RUZI_CLASS_RECORD(TApplication, TComponent::ClassRecord())

 public:
  TApplication();

  TCustomForm* MainForm() const { return main_form_; }
  void SetMainForm(TCustomForm* form) { main_form_ = form; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }
  // Exceptions no window procedure may let through (ui_exception.h).
  TUiExceptionEvent OnException() const { return UiExceptionHandler(); }
  void SetOnException(TUiExceptionEvent handler) { SetUiExceptionHandler(handler); }

  // Shows the main form and handles messages until the main form closes or Terminate.
  void Run();
  // Handles the messages waiting now, then returns.
  void ProcessMessages();
  void Terminate();
  bool Terminated() const { return terminated_; }

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Dispatch(const void* msg);

  TCustomForm* main_form_ = nullptr;
  std::string title_;
  bool terminated_ = false;
};

// One display of the screen, in virtual-screen coordinates.
struct TMonitor {
  void* Handle = nullptr;
  int MonitorNum = 0;
  TRect BoundsRect;
  TRect WorkareaRect;
  bool Primary = false;
  int Width() const { return BoundsRect.Width(); }
  int Height() const { return BoundsRect.Height(); }
};

class RUZI_API TScreen {
 public:
  // The primary display's size.
  int Width() const;
  int Height() const;
  std::vector<TMonitor> Monitors() const;
  int MonitorCount() const { return static_cast<int>(Monitors().size()); }
  // The monitor that holds most of a form (the primary one for a form without a window).
  TMonitor MonitorOf(TCustomForm& form) const;
};

RUZI_API TApplication* Application();
RUZI_API TScreen* Screen();

}  // namespace ruzi
