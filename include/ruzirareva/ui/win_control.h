#pragma once
// A control with a window of its own, which holds other controls. Its window is made when first
// needed (Handle) from CreateParams: a window class of ours, or a system class (BUTTON, EDIT...)
// whose procedure is kept for default handling. Either way one window procedure of ours calls
// the control's WindowProc, and what that leaves goes to the class's procedure. On top of a
// plain window it paints and erases into a DC given in WParam, passes a child's notifications
// back to the child (WM_COMMAND as CN_COMMAND, control_messages.h), paints its graphic controls
// and feeds them the mouse, and tells controls the mouse entered or left (CM_MOUSEENTER,
// CM_MOUSELEAVE). No exception leaves a window procedure: it goes to the UI exception handler
// (ui_exception.h). Children are freed with their parent. User-interface thread only.
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/control.h"

struct HWND__;
struct HDC__;
struct HBRUSH__;

namespace ruzi {

// How a window is made: class, styles, text, place and parent window.
struct TCreateParams {
  std::string Caption;
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  int X = 0, Y = 0, Width = 0, Height = 0;
  HWND__* WndParent = nullptr;
  // A system window class ("BUTTON") to take over, or empty for our own class.
  std::string SystemClass;
};

class RUZI_API TWinControl : public TControl {
  RUZI_CLASS_RECORD_PUBLISHED(TWinControl, TControl::ClassRecord())

 public:
  explicit TWinControl(TComponent* owner = nullptr);
  ~TWinControl() override;

  // Child controls in the order they were put in (the paint order: later ones on top).
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const;
  // The topmost visible non-windowed child containing the point (client coordinates), or nullptr.
  TControl* GraphicControlAt(int x, int y) const;
  // Places the aligned and anchored children again (after a resize, or a child's change).
  void Realign();
  // Sends the message to every child until one answers non-zero.
  void Broadcast(TMessage& message);

  bool TabStop() const { return tab_stop_; }
  void SetTabStop(bool tab_stop) { tab_stop_ = tab_stop; }

  // The window, made now if it is not yet (Windows only; nullptr elsewhere).
  HWND__* Handle();
  bool HandleAllocated() const { return handle_ != nullptr; }
  void DestroyHandle();
  // The control whose window this is, or nullptr.
  static TWinControl* FromHandle(HWND__* handle);
  // Whether this window has the keyboard focus, and giving it to it.
  bool Focused() const;
  void SetFocus();

  TRect ClientRect() const override;
  bool Showing() const override;
  void Invalidate() override;
  // Redraws part of the client area (a graphic child's bounds).
  void InvalidateRect(const TRect& rect);
  // Paints the visible graphic children into `dc` (the client area's DC).
  void PaintControls(HDC__* dc);

 protected:
  virtual void CreateParams(TCreateParams& params);
  // Makes the window from CreateParams; then the children's windows.
  virtual void CreateWnd();
  // Paints the client area into `dc` before the graphic children: the class's own painting.
  virtual void PaintWindow(HDC__* dc);
  void WndProc(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  std::string GetText() const override;
  void SetTextValue(const std::string& text) override;
  void BoundsChanged() override;
  void ParentChanged(TWinControl* old_parent) override;

 private:
  friend class TControl;
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void NotifyControls(uint32_t msg);
  // The Win32 half (win_control_win32.cpp): true when the message was handled there.
  bool HandleWindowMessage(TMessage& message);
  void AttachHandle(HWND__* handle, void* default_proc);
  void DetachHandle();
  void UpdateWindowBounds();
  // Makes the window a child of the parent's window, at the control's bounds.
  void MoveWindowToParent();
  bool TrackMouse(TMessage& message);
  void SetHovered(TControl* control);

  std::vector<TControl*> controls_;
  bool aligning_ = false;
  bool tab_stop_ = false;
  HWND__* handle_ = nullptr;
  void* default_proc_ = nullptr;  // the window class's procedure
  HBRUSH__* brush_ = nullptr;     // Color, for WM_ERASEBKGND and WM_CTLCOLOR...
  TControl* hovered_ = nullptr;
  TControl* mouse_capture_ = nullptr;
  friend struct WinControlAccess;
};

}  // namespace ruzi
