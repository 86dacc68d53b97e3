#pragma once
// The root of everything placed on a form. A control has a parent (the windowed control it sits
// in, not its owner), bounds in the parent's client coordinates, an alignment and anchors, and
// the looks it shares with its parent unless set apart (ParentFont, ParentColor). Every message
// it handles goes through WindowProc: a {code, data} handler chain whose original calls the
// virtual WndProc, so that a skin or a test can replace it and restore it in any order; Perform
// sends a message through it. Changes are announced the same way: CM_VISIBLECHANGED,
// CM_ENABLEDCHANGED, CM_FONTCHANGED, CM_COLORCHANGED, CM_TEXTCHANGED (control_messages.h).
// Controls belong to the user-interface thread.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/ui/align.h"
#include "ruzirareva/ui/color.h"
#include "ruzirareva/ui/font.h"
#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/message.h"

namespace ruzi {

class TWinControl;

class RUZI_API TControl : public TComponent {
  RUZI_CLASS_RECORD_PUBLISHED(TControl, TComponent::ClassRecord())

 public:
  explicit TControl(TComponent* owner = nullptr);
  ~TControl() override;

  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);

  int Left() const { return bounds_.Left; }
  int Top() const { return bounds_.Top; }
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetLeft(int left) { SetBounds(left, Top(), Width(), Height()); }
  void SetTop(int top) { SetBounds(Left(), top, Width(), Height()); }
  void SetWidth(int width) { SetBounds(Left(), Top(), width, Height()); }
  void SetHeight(int height) { SetBounds(Left(), Top(), Width(), height); }
  const TRect& BoundsRect() const { return bounds_; }
  void SetBoundsRect(const TRect& bounds) { SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height()); }
  // Moves and sizes the control; the parent then aligns its controls again.
  virtual void SetBounds(int left, int top, int width, int height);
  // The area inside the control's borders, in its own coordinates.
  virtual TRect ClientRect() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors anchors);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to the top visible too.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parent_color_; }
  void SetParentColor(bool parent_color);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(const_cast<TFont*>(&font)); }
  bool ParentFont() const { return parent_font_; }
  void SetParentFont(bool parent_font);

  // Caption and Text are one value; a windowed control keeps it in its window.
  std::string Caption() const { return GetText(); }
  void SetCaption(const std::string& caption) { SetText(caption); }
  std::string Text() const { return GetText(); }
  void SetText(const std::string& text);
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return show_hint_; }
  void SetShowHint(bool show_hint) { show_hint_ = show_hint; }
  // The pop-up menu shown on a right click (a TPopupMenu); nullptr for none.
  TComponent* PopupMenu() const { return popup_menu_; }
  void SetPopupMenu(TComponent* menu);

  TNotifyEvent OnClick;
  // Runs OnClick.
  virtual void Click();

  TWindowProcChain& WindowProc() { return window_proc_; }
  // Sends a message through WindowProc and answers its result.
  intptr_t Perform(uint32_t msg, uintptr_t wparam = 0, intptr_t lparam = 0);
  // Redraws the control soon.
  virtual void Invalidate();

 protected:
  // What the original WindowProc calls: handles the messages a control knows, then
  // DefaultHandler.
  virtual void WndProc(TMessage& message);
  // What is left over: nothing for a control without a window.
  virtual void DefaultHandler(TMessage& message);
  virtual std::string GetText() const { return text_; }
  virtual void SetTextValue(const std::string& text) { text_ = text; }
  // After the bounds changed (a windowed control moves its window).
  virtual void BoundsChanged() {}
  // After the control went from `old_parent` to Parent() (either may be nullptr): shows it in
  // its new place (a windowed control makes or moves its window).
  virtual void ParentChanged(TWinControl* old_parent);
  // Sets the bounds as the parent's alignment decides, keeping the anchor origin.
  void SetAlignedBounds(const TRect& bounds);
  void Notification(TComponent* component, TOperation operation) override;

  // A press and release of the left button inside the control is a Click (controls whose system
  // class reports clicks itself turn this off).
  bool click_events_ = true;

 private:
  friend class TWinControl;
  static void CallWndProc(void* control, TMessage& message);
  void RememberAnchorOrigin();
  void FontChanged();
  void ChangeBounds(const TRect& bounds);
  void RealignParent();

  TWinControl* parent_ = nullptr;
  TRect bounds_;
  TAlign align_ = TAlign::alNone;
  TAnchors anchors_ = kDefaultAnchors;
  TRect anchor_origin_;
  TSize anchor_origin_client_;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_ = clBtnFace;
  bool parent_color_ = true;
  TFont font_;
  bool parent_font_ = true;
  bool taking_parent_font_ = false;
  bool clicking_ = false;
  std::string text_;
  std::string hint_;
  bool show_hint_ = false;
  TComponent* popup_menu_ = nullptr;
  TWindowProcChain window_proc_;
};

}  // namespace ruzi
