#include "ui/win_control.h"

#include <algorithm>
#include <iterator>

#include "foundation/error.h"
#include "ui/align_layout.h"
#include "ui/control_messages.h"

namespace ruzi {

const TPropertyTable* TWinControl::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TWinControl::TabStop, &TWinControl::SetTabStop>("TabStop")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  // Children go with their parent, the last put in first, whoever owns them.
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
}

TControl* TWinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) {
    throw Error("Control index out of bounds (" + std::to_string(index) + ")");
  }
  return controls_[static_cast<size_t>(index)];
}

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
}

void TWinControl::RemoveControl(TControl* control) {
  auto found = std::find(controls_.begin(), controls_.end(), control);
  if (found == controls_.end()) return;
  if (control == hovered_) hovered_ = nullptr;
  if (control == mouse_capture_) mouse_capture_ = nullptr;
  control->Invalidate();
  controls_.erase(found);
  control->parent_ = nullptr;
  Realign();
}

TControl* TWinControl::GraphicControlAt(int x, int y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (dynamic_cast<TWinControl*>(control) != nullptr || !control->Visible()) continue;
    const TRect& b = control->BoundsRect();
    if (x >= b.Left && x < b.Right && y >= b.Top && y < b.Bottom) return control;
  }
  return nullptr;
}

void TWinControl::Realign() {
  if (aligning_) return;
  aligning_ = true;
  const TRect client = ClientRect();
  const TSize size{client.Width(), client.Height()};
  std::vector<TAlignItem> items;
  items.reserve(controls_.size());
  for (TControl* control : controls_) {
    TRect bounds = control->BoundsRect();
    if (control->Align() == TAlign::alNone && control->Anchors() != kDefaultAnchors) {
      bounds = AnchorBounds(control->anchor_origin_, control->Anchors(), control->anchor_origin_client_, size);
    }
    items.push_back(TAlignItem{control->Align(), bounds, control->Visible()});
  }
  const std::vector<TRect> placed = AlignLayout(client, items);
  for (size_t index = 0; index < controls_.size(); ++index) controls_[index]->SetAlignedBounds(placed[index]);
  aligning_ = false;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* control : controls_) {
    control->window_proc_(message);
    if (message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(uint32_t msg) {
  for (TControl* control : controls_) control->Perform(msg);
}

void TWinControl::BoundsChanged() {
  if (HandleAllocated()) UpdateWindowBounds();
  Realign();
}

void TWinControl::ParentChanged(TWinControl* old_parent) {
  // The window follows the control: made now in a parent that already has its window (a parent
  // made later makes its children's windows with its own), moved along from one parent window
  // to another, and gone with the last parent window (made again when next needed, as a
  // top-level window without a parent, or as a child), keeping its text.
  const bool parent_window = Parent() != nullptr && Parent()->HandleAllocated();
  if (!HandleAllocated()) {
    if (parent_window) Handle();
    return;
  }
  if (parent_window && old_parent != nullptr) {
    MoveWindowToParent();
    return;
  }
  const std::string text = Text();
  DestroyHandle();
  TControl::SetTextValue(text);
  if (parent_window) Handle();
}

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      NotifyControls(CM_PARENTFONTCHANGED);
      break;
    case CM_COLORCHANGED:
      NotifyControls(CM_PARENTCOLORCHANGED);
      break;
    default:
      break;
  }
  if (HandleWindowMessage(message)) return;
  TControl::WndProc(message);
}

}  // namespace ruzi
