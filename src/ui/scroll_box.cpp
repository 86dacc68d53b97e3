#include "ui/scroll_box.h"

#include <algorithm>
#include <iterator>

namespace ruzi {
namespace {

constexpr uint32_t kSizeMessage = 0x0005, kHScroll = 0x0114, kVScroll = 0x0115;  // WM_SIZE, WM_HSCROLL, WM_VSCROLL
constexpr int kLine = 8;
constexpr uint32_t kClientEdge = 0x200;
enum Request { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom };

}  // namespace

int ScrollRequestPosition(int request, int position, int track, int line, int page, int max) {
  switch (request) {
    case kLineUp: position -= line; break;
    case kLineDown: position += line; break;
    case kPageUp: position -= page; break;
    case kPageDown: position += page; break;
    case kThumbPosition:
    case kThumbTrack: position = track; break;
    case kTop: position = 0; break;
    case kBottom: position = max; break;
    default: break;
  }
  return std::clamp(position, 0, std::max(0, max));
}

const TPropertyTable* TScrollBox::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TScrollBox::AutoScroll, &TScrollBox::SetAutoScroll>("AutoScroll")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 41); }

void TScrollBox::SetAutoScroll(bool auto_scroll) {
  auto_scroll_ = auto_scroll;
  if (!auto_scroll) ScrollTo(0, 0);
  UpdateScrollBars();
}

TSize TScrollBox::ScrollRange() const {
  TSize content;
  for (int index = 0; index < ControlCount(); ++index) {
    const TControl* control = Controls(index);
    if (!control->Visible() || control->Align() != TAlign::alNone) continue;
    content.cx = std::max(content.cx, control->BoundsRect().Right + scroll_x_);
    content.cy = std::max(content.cy, control->BoundsRect().Bottom + scroll_y_);
  }
  const TRect client = ClientRect();
  return TSize{std::max(0, content.cx - client.Width()), std::max(0, content.cy - client.Height())};
}

void TScrollBox::ScrollTo(int x, int y) {
  const TSize range = ScrollRange();
  x = std::clamp(x, 0, range.cx);
  y = std::clamp(y, 0, range.cy);
  const int dx = x - scroll_x_, dy = y - scroll_y_;
  if (dx == 0 && dy == 0) return;
  scroll_x_ = x;
  scroll_y_ = y;
  for (int index = 0; index < ControlCount(); ++index) {
    TControl* control = Controls(index);
    if (control->Align() == TAlign::alNone) control->SetBounds(control->Left() - dx, control->Top() - dy, control->Width(), control->Height());
  }
  UpdateScrollBars();
}

void TScrollBox::UpdateScrollRange() {
  ScrollTo(scroll_x_, scroll_y_);  // a smaller range pulls the position in
  UpdateScrollBars();
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.ExStyle |= kClientEdge;
}

void TScrollBox::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollRange();
}

void TScrollBox::WndProc(TMessage& message) {
  if ((message.Msg == kHScroll || message.Msg == kVScroll) && message.LParam == 0) {
    const bool vertical = message.Msg == kVScroll;
    const TSize range = ScrollRange();
    const TRect client = ClientRect();
    const int request = static_cast<int>(message.WParam & 0xFFFF);
    const int position = ScrollRequestPosition(request, vertical ? scroll_y_ : scroll_x_, TrackPosition(vertical),
                                               kLine, vertical ? client.Height() : client.Width(),
                                               vertical ? range.cy : range.cx);
    ScrollTo(vertical ? scroll_x_ : position, vertical ? position : scroll_y_);
    return;
  }
  TWinControl::WndProc(message);
  if (message.Msg == kSizeMessage) UpdateScrollRange();
}

}  // namespace ruzi
