#include "ui/scroll_bar.h"

#include <algorithm>
#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

constexpr uint32_t kSetPos = 0x00E0, kSetRange = 0x00E2;  // SBM_SETPOS, SBM_SETRANGE
// SB_LINEUP... SB_BOTTOM: the codes of a scroll notification's low word.
enum ScrollCode { kLineUp, kLineDown, kPageUp, kPageDown, kThumbPosition, kThumbTrack, kTop, kBottom };

}  // namespace

const TPropertyTable* TScrollBar::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TScrollBar::Kind, &TScrollBar::SetKind>("Kind"),
      Published<&TScrollBar::Min, &TScrollBar::SetMin>("Min"),
      Published<&TScrollBar::Max, &TScrollBar::SetMax>("Max"),
      Published<&TScrollBar::Position, &TScrollBar::SetPosition>("Position"),
      Published<&TScrollBar::SmallChange, &TScrollBar::SetSmallChange>("SmallChange"),
      Published<&TScrollBar::LargeChange, &TScrollBar::SetLargeChange>("LargeChange")};
  static const TEventInfo events[] = {PublishedEvent<&TScrollBar::OnChange>("OnChange")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TScrollBar::TScrollBar(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 121, 17); }

void TScrollBar::SetKind(TScrollBarKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) {
    DestroyHandle();
    Handle();
  }
}

void TScrollBar::SetParams(int position, int min, int max) {
  max = std::max(max, min);
  position = std::clamp(position, min, max);
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  ShowState();
  if (moved) OnChange(this);
}

void TScrollBar::ShowState() {
  if (!HandleAllocated()) return;
  Perform(kSetRange, static_cast<uintptr_t>(min_), max_);
  Perform(kSetPos, static_cast<uintptr_t>(position_), 1);
}

void TScrollBar::Scroll(int code, int thumb) {
  switch (code) {
    case kLineUp: SetPosition(position_ - small_change_); break;
    case kLineDown: SetPosition(position_ + small_change_); break;
    case kPageUp: SetPosition(position_ - large_change_); break;
    case kPageDown: SetPosition(position_ + large_change_); break;
    case kThumbPosition:
    case kThumbTrack: SetPosition(thumb); break;
    case kTop: SetPosition(min_); break;
    case kBottom: SetPosition(max_); break;
    default: break;
  }
}

void TScrollBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "SCROLLBAR";
  params.Style |= kind_ == TScrollBarKind::sbVertical ? 1 : 0;  // SBS_VERT, SBS_HORZ
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  ShowState();
}

void TScrollBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    Scroll(static_cast<int>(message.WParam & 0xFFFF), static_cast<int16_t>(message.WParam >> 16 & 0xFFFF));
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
