#include "ui/track_bar.h"

#include <algorithm>
#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

constexpr uint32_t kVertical = 0x2, kAutoTicks = 0x1;  // TBS_VERT, TBS_AUTOTICKS

}  // namespace

const TPropertyTable* TTrackBar::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TTrackBar::Frequency, &TTrackBar::SetFrequency>("Frequency"),
      Published<&TTrackBar::Max, &TTrackBar::SetMax>("Max"),
      Published<&TTrackBar::Min, &TTrackBar::SetMin>("Min"),
      Published<&TTrackBar::Orientation, &TTrackBar::SetOrientation>("Orientation"),
      Published<&TTrackBar::Position, &TTrackBar::SetPosition>("Position")};
  static const TEventInfo events[] = {PublishedEvent<&TTrackBar::OnChange>("OnChange")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 150, 45);
}

void TTrackBar::SetRange(int min, int max, int position) {
  max = std::max(min, max);
  position = std::clamp(position, min, max);
  const bool moved = position != position_;
  min_ = min;
  max_ = max;
  position_ = position;
  UpdateWindowRange();
  if (moved) OnChange(this);
}

void TTrackBar::SetMin(int min) { SetRange(min, max_, position_); }
void TTrackBar::SetMax(int max) { SetRange(std::min(min_, max), max, position_); }
void TTrackBar::SetPosition(int position) { SetRange(min_, max_, position); }

void TTrackBar::SetFrequency(int frequency) {
  frequency_ = std::max(1, frequency);
  UpdateWindowRange();
}

void TTrackBar::SetOrientation(TTrackBarOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  SetBounds(Left(), Top(), Height(), Width());
  if (HandleAllocated()) {
    DestroyHandle();
    Handle();
  }
}

void TTrackBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "msctls_trackbar32";
  params.Style |= kAutoTicks | (orientation_ == TTrackBarOrientation::trVertical ? kVertical : 0);
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindowRange();
}

void TTrackBar::WndProc(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    SetPosition(WindowPosition());
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
