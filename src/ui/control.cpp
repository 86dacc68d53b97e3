#include "ui/control.h"

#include <iterator>

#include "ui/align_layout.h"
#include "ui/control_messages.h"
#include "ui/win_control.h"
#include "ui/window_message_ids.h"

namespace ruzi {

const TPropertyTable* TControl::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TControl::Align, &TControl::SetAlign>("Align"),
      Published<&TControl::Anchors, &TControl::SetAnchors>("Anchors"),
      Published<&TControl::Caption, &TControl::SetCaption>("Caption"),
      PublishedAs<TColorText, &TControl::Color, &TControl::SetColor>("Color"),
      Published<&TControl::Enabled, &TControl::SetEnabled>("Enabled"),
      PublishedAs<TFontText, static_cast<const TFont& (TControl::*)() const>(&TControl::Font), &TControl::SetFont>(
          "Font"),
      Published<&TControl::Height, &TControl::SetHeight>("Height"),
      Published<&TControl::Hint, &TControl::SetHint>("Hint"),
      Published<&TControl::Left, &TControl::SetLeft>("Left"),
      Published<&TControl::ParentColor, &TControl::SetParentColor>("ParentColor"),
      Published<&TControl::ParentFont, &TControl::SetParentFont>("ParentFont"),
      Published<&TControl::ShowHint, &TControl::SetShowHint>("ShowHint"),
      Published<&TControl::Top, &TControl::SetTop>("Top"),
      Published<&TControl::Visible, &TControl::SetVisible>("Visible"),
      Published<&TControl::Width, &TControl::SetWidth>("Width")};
  static const TEventInfo events[] = {PublishedEvent<&TControl::OnClick>("OnClick")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TControl::TControl(TComponent* owner)
    : TComponent(owner), window_proc_(TWndMethod{&TControl::CallWndProc, this}) {
  font_.OnChange = TNotifyEvent{[](void* control, TPersistent*) { static_cast<TControl*>(control)->FontChanged(); },
                                this};
}

TControl::~TControl() {
  if (parent_ != nullptr) parent_->RemoveControl(this);
}

void TControl::CallWndProc(void* control, TMessage& message) { static_cast<TControl*>(control)->WndProc(message); }

intptr_t TControl::Perform(uint32_t msg, uintptr_t wparam, intptr_t lparam) {
  TMessage message{msg, wparam, lparam, 0};
  window_proc_(message);
  return message.Result;
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) return;
  TWinControl* old_parent = parent_;
  if (parent_ != nullptr) parent_->RemoveControl(this);
  if (parent != nullptr) parent->InsertControl(this);
  RememberAnchorOrigin();
  if (parent_ != nullptr) {
    if (parent_color_) Perform(CM_PARENTCOLORCHANGED);
    if (parent_font_) Perform(CM_PARENTFONTCHANGED);
    RealignParent();
  }
  // Last, so that a window is made where the alignment put the control.
  ParentChanged(old_parent);
}

// A graphic control is painted by its parent: the parent paints its place anew (the old
// parent did when it let the control go).
void TControl::ParentChanged(TWinControl*) { Invalidate(); }

void TControl::SetBounds(int left, int top, int width, int height) {
  const TRect bounds{left, top, left + width, top + height};
  if (bounds == bounds_) return;
  ChangeBounds(bounds);
  RememberAnchorOrigin();
  RealignParent();
}

void TControl::SetAlignedBounds(const TRect& bounds) {
  if (bounds != bounds_) ChangeBounds(bounds);
}

void TControl::ChangeBounds(const TRect& bounds) {
  const bool moved_graphic = parent_ != nullptr && dynamic_cast<TWinControl*>(this) == nullptr;
  if (moved_graphic) Invalidate();  // the old place
  bounds_ = bounds;
  BoundsChanged();
  if (moved_graphic) Invalidate();
}

void TControl::RealignParent() {
  if (parent_ != nullptr) parent_->Realign();
}

TRect TControl::ClientRect() const { return TRect{0, 0, Width(), Height()}; }

void TControl::RememberAnchorOrigin() {
  anchor_origin_ = bounds_;
  if (parent_ != nullptr) {
    const TRect client = parent_->ClientRect();
    anchor_origin_client_ = TSize{client.Width(), client.Height()};
  }
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RealignParent();
}

void TControl::SetAnchors(TAnchors anchors) {
  anchors_ = anchors;
  RememberAnchorOrigin();
}

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  if (visible) Invalidate();
  RealignParent();
}

bool TControl::Showing() const { return visible_ && (parent_ == nullptr || parent_->Showing()); }

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
  Invalidate();
}

void TControl::SetColor(TColor color) {
  parent_color_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool parent_color) {
  parent_color_ = parent_color;
  if (parent_color && parent_ != nullptr) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool parent_font) {
  parent_font_ = parent_font;
  if (parent_font && parent_ != nullptr) Perform(CM_PARENTFONTCHANGED);
}

void TControl::FontChanged() {
  if (!taking_parent_font_) parent_font_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetText(const std::string& text) {
  if (text == GetText()) return;
  SetTextValue(text);
  Perform(CM_TEXTCHANGED);
}

void TControl::SetPopupMenu(TComponent* menu) {
  popup_menu_ = menu;
}

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popup_menu_) popup_menu_ = nullptr;
}

void TControl::Click() { OnClick(this); }

void TControl::Invalidate() {
  if (parent_ != nullptr && visible_) parent_->InvalidateRect(bounds_);
}

void TControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_PARENTFONTCHANGED:
      if (parent_font_ && parent_ != nullptr) {
        taking_parent_font_ = true;
        font_.Assign(&parent_->Font());
        taking_parent_font_ = false;
      }
      return;
    case CM_PARENTCOLORCHANGED:
      if (parent_color_ && parent_ != nullptr && parent_->Color() != color_) {
        color_ = parent_->Color();
        Perform(CM_COLORCHANGED);
      }
      return;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      break;
    case wm::LButtonDown:
      if (enabled_ && click_events_) clicking_ = true;
      break;
    case wm::LButtonUp: {
      const bool was_clicking = clicking_;
      clicking_ = false;
      const int x = wm::PointX(message.LParam), y = wm::PointY(message.LParam);
      if (was_clicking && x >= 0 && y >= 0 && x < Width() && y < Height()) Click();
      break;
    }
    default:
      break;
  }
  DefaultHandler(message);
}

void TControl::DefaultHandler(TMessage&) {}

}  // namespace ruzi
